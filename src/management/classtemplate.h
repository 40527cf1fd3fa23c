#pragma once
// Class templates: one INDT row of kind "5" per class and one ISIT row per field, each field with
// a default control kind and a place in an automatic two-column layout. The dialog composes a
// template from chosen fields; CreateClassTemplateFromSystem takes every field of the system
// template at once. Both write everything in one transaction or nothing.

#include <cstdint>
#include <functional>
#include <vector>

#include <QString>

#include "component/records.h"

namespace zelk {

class ProgressBar;

struct TemplateRect {
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const TemplateRect&) const = default;
};
struct TemplatePlace {
    TemplateRect label;
    TemplateRect control;
};

// The place of the field at list position `position` (1, 2, ...) in a template the dialog saves:
// odd positions left, even right, rows 390 twips apart from 210.
TemplatePlace dialogTemplatePlace(int position);
// The place of system-template item `index` (0, 1, ...) in a template made from the system
// template: even indices left, odd right, rows 400 twips apart from 250.
TemplatePlace systemTemplatePlace(int index);
// The caption label's (ii07-ii10) and the control's (ii11-ii14) rectangles of a template row.
void placeTemplateItem(ISITRecord& row, const TemplatePlace& p);

// The default control kind of a field: "2", then check box ("3") for flags 9, 7 or 12, sub-table
// item ("12") for flag 16; with `allRules` also "6" for a date type, "2" for a number type and
// "5" for flag 24, each later match replacing the earlier.
QString templateControlKind(const FieldRecord& field, bool allRules);
// The same for a column of the main table, looked up afresh: a column that is not a field keeps
// "2".
QString columnControlKind(std::int32_t hdbc, const QString& mainTable, const QString& column,
                          bool allRules);

// A field chosen for a template.
struct ClassTemplateField {
    QString bound;    // ii02
    QString caption;  // ii03
};

inline constexpr int kMaxTemplateFields = 120;

// Deletes a template's row and then its items, inside the caller's transaction; false (items
// kept) when the row could not be deleted.
bool DeleteTemplateData(std::int32_t hdbc, std::int32_t id);

// Saves a class template from the dialog. `templateId` 0 creates a new template (its number
// comes back in `templateId`); another number rewrites that template from its stored row: the
// owner, flag and the rest kept, main table, class, name, description, kind and system set, the
// version raised by one. Every step's failure rolls everything back and is shown once with its
// message. `progress` is told each step (may be empty).
bool SaveClassTemplate(std::int32_t hdbc, const QString& systemName, const QString& mainTable,
                       const QString& className, std::int32_t& templateId, const QString& name,
                       const QString& description, const std::vector<ClassTemplateField>& fields,
                       const std::function<void(int value)>& progress = {});

// Creates the class template of `classFullName` from every item of the main table's system
// template in one transaction; the progress bar (may be null) shows the work. Messages as the
// manager shows them; false when nothing was written.
struct ManagerContext {
    std::int32_t hdbc = 0;
    QString systemName;
    QString mainTable;
};
bool CreateClassTemplateFromSystem(const ManagerContext& manager, std::int32_t hdbc,
                                   const QString& classFullName, const QString& mainTable,
                                   const QString& name, const QString& description,
                                   ProgressBar* prg = nullptr);

}  // namespace zelk
