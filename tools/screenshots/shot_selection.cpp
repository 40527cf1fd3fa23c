#include "dataaccess/demodata.h"
#include "designer/frm_zelk_jssj.h"
#include "designer/showdesigner.h"
#include "platform/controls/designline.h"
#include "screenshots.h"

// The item-search designer with a current control (its size handles) and three controls
// Shift-selected (their white frames).
ZELK_SCREENSHOT("frm_zelk_jssj-selection", [](zelk::shots::ShotContext& ctx) {
    using namespace zelk;
    const std::int32_t fid = defaultInterfaceNumber(DesignerKind::ItemSearch, ctx.hdbc,
                                                    demo::kSystem, demo::kMainTable, demo::kClass);
    frm_zelk_jssj form;
    form.init(ctx.hdbc, fid);
    form.resize(1100, 720);
    form.show();
    std::vector<DesignBox*> boxes;
    for (std::int32_t i = 1; i <= form.ItemCount; ++i) {
        DesignControl* c = form.itemControl(form.ItemTable[static_cast<std::size_t>(i)]);
        if (c && c->Visible() && !asLine(c) && c->Name() != QLatin1String("FrameArray") &&
            c->Name() != QLatin1String("ShapeArray"))
            boxes.push_back(static_cast<DesignBox*>(c));
    }
    for (std::size_t i = 1; i < boxes.size() && i <= 3; ++i) {
        const DesignBox* b = boxes[i];
        const float x = static_cast<float>(b->Left() + b->Width() / 2);
        const float y = static_cast<float>(b->Top() + b->Height() / 2);
        form.PictureContainer_MouseDown(1, 1, x, y);
        form.PictureContainer_MouseUp(1, 1, x, y);
    }
    if (!boxes.empty()) form.VBSelectControl(boxes[0]);
    ctx.save(&form, QStringLiteral("frm_zelk_jssj-selection"));
    form.forceUnload();
});
