#pragma once
// The component's four public classes as a host finds them: fixed class identifiers (hosts keep
// them, so they never change) and ProgIDs.

#include "platform/automation/guid.h"

namespace zelk {

inline constexpr CLSID kClsidOACLS_ZELK = Guid::literal("{E8D87ABB-33DE-4431-90FD-75CB9E265F42}");
inline constexpr CLSID kClsidOACLS_ISITer = Guid::literal("{730B2B35-9951-44CB-A37F-29ECEF60FEBE}");
inline constexpr CLSID kClsidOACLS_IJSTer = Guid::literal("{93F3295E-B93D-42E0-9EEC-81ED91944A6B}");
inline constexpr CLSID kClsidOACLS_ILITer = Guid::literal("{1F4FCFD0-9CDA-4057-B9A8-319FD68A61BC}");

inline constexpr const char* kProgIdOACLS_ZELK = "Zelk.OACLS_ZELK";
inline constexpr const char* kProgIdOACLS_ISITer = "Zelk.OACLS_ISITer";
inline constexpr const char* kProgIdOACLS_IJSTer = "Zelk.OACLS_IJSTer";
inline constexpr const char* kProgIdOACLS_ILITer = "Zelk.OACLS_ILITer";

// Adds the four classes to the classes this component serves, so that registration, the class
// factory, CreateObject and the unload check know them. Later calls change nothing.
void ServePublicClasses();

}  // namespace zelk
