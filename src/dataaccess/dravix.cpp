// The data-access library; the calls are declared in dravix.h.
