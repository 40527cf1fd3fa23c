#pragma once
// Every design control kind.

#include "platform/controls/designcheckbox.h"
#include "platform/controls/designcombobox.h"
#include "platform/controls/designcontrol.h"
#include "platform/controls/designframe.h"
#include "platform/controls/designlabel.h"
#include "platform/controls/designline.h"
#include "platform/controls/designlistbox.h"
#include "platform/controls/designpicturebox.h"
#include "platform/controls/designplaintextbox.h"
#include "platform/controls/designtextbox.h"
#include "platform/controls/olecolor.h"
