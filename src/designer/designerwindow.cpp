// Opening and closing a designer window: init, the window set-up, loading the interface with its
// background, the start-up tips, the close question, and the keyboard.

#include <QFileInfo>

#include "component/fixedfield.h"
#include "component/zelkmodule.h"
#include "dataaccess/dravix.h"
#include "designer/designerbase.h"
#include "designer/suitedatasource.h"
#include "platform/controls/designline.h"
#include "platform/pointer.h"
#include "platform/resources.h"
#include "platform/settings.h"

namespace zelk {

namespace {

const QString kCommon = QStringLiteral("COMMON");
const QString kTipKey = QStringLiteral("界面提示ID");
const QString kImagePathKey = QStringLiteral("imagepath");
constexpr std::int32_t kSmallestStoredSize = 1500;
constexpr double kDefaultSurfaceSize = 4500;

const char* const kTips[] = {
    "界面支持多选功能，按住SHIFT不放，再用鼠标左键单击控件，即可选择多个控件",
    "多选功能下，可以使选择的控件左对齐，右对齐，居中等操作",
    "所有多选操作的参照控件是选取的第一个控件，所以，在选取时，请注意选取的顺序",
    "用[录入顺序]按钮可以快速定义界面项的录入顺序，操作方法是：先将[录入顺序]按钮呈按下的状态，"
    "然后再依次按照想设置的录入顺序用鼠标单击控件，全部单击完毕后，再单击[录入顺序]按钮以确认录入"
    "顺序设置完成",
    "如果用户是从界面用右键直接进入界面设置，则用户不能在界面设置中使用右键菜单，用户可以双击控件"
    "得到控件属性设置页面",
};

// A stored size above 1500 twips, as a whole number; nothing otherwise.
std::optional<std::int32_t> storedSize(const QString& text) {
    const auto size = numericInt32(text);
    if (size && *size > kSmallestStoredSize) return size;
    return std::nullopt;
}

// Fills an image list from the component's bitmaps, in order.
void fillImages(ImageList& list, std::initializer_list<const char*> names) {
    list.Clear();
    for (const char* name : names) list.Add(QString::fromLatin1(name));
}

// Buttons first..first+count-1 of the toolbar get images from..from+count-1.
void setButtonImages(KeyedToolbar* bar, const ImageList& list, int count, int from = 1) {
    bar->SetImageList(&list);
    for (int i = 1; i <= count; ++i)
        if (ToolbarButton* b = bar->Button(i)) b->SetImage(from + i - 1);
}

}  // namespace

void DesignerBase::init(std::int32_t hdbcValue, std::int32_t fidValue) {
    hdbc = hdbcValue;
    fid = fidValue;
    LoadInterface();
}

bool DesignerBase::LoadInterface() {
    InterfaceLoaded = false;
    if (fid < 1) return false;
    BusyCursor busy;
    PictureContainer->hide();  // the first touch of the window sets it up
    load();
    const auto done = [this](bool ok) {
        InterfaceLoaded = ok;
        refreshCommands();
        return ok;
    };
    INDTRecord row{};
    if (sysINDTGetDataByNo(hdbc, row, fid) < 1) {
        MsgBox(QStringLiteral("系统无法读取指定界面:\n界面定义数据可能被破坏，请检查该界面定义！"),
               vbInformation, QStringLiteral("系统提示"));
        return done(false);
    }
    InterfaceRow = row;
    const QString name = TrimFixedField(fieldText(InterfaceRow.id03));
    setWindowTitle(QStringLiteral("用户界面设计程序 - ") + name);

    const std::int32_t stmt = prepareItemRows(fid);
    if (stmt == 0) {
        MsgBox(QStringLiteral("界面数据查询失败：\n条目数据信息无法读取，请检查界面") + name +
                   QStringLiteral("稍后再试！"),
               vbCritical, QStringLiteral("系统提示"));
        return done(false);
    }
    RowsNotLoaded = 0;
    loadItemRows(stmt);
    ItemsRead = ItemCount;
    const std::int32_t notLoaded = *RowsNotLoaded;
    RowsNotLoaded.reset();
    if (notLoaded > 0) tellItemLimit(notLoaded);

    if (const auto w = storedSize(fieldText(InterfaceRow.id13))) DesignAreaWidth = *w;
    if (const auto h = storedSize(fieldText(InterfaceRow.id14))) DesignAreaHeight = *h;
    const double width =
        DesignAreaWidth > kSmallestStoredSize ? DesignAreaWidth : kDefaultSurfaceSize;
    const double height =
        DesignAreaHeight > kSmallestStoredSize ? DesignAreaHeight : kDefaultSurfaceSize;
    PictureContainer->Move(0, 0, width, height);
    PictureTest->Move(0, 0, width, height);
    applyBackground();
    LoadedCanvas = canvasValues();
    PictureContainer->show();
    if (Node* root = TreeView1->Item(1)) root->SetExpanded(true);
    return done(true);
}

void DesignerBase::tellItemLimit(std::int32_t rowsNotLoaded) {
    QString text = QStringLiteral("界面包含的项超过最大限制[1024]，界面编辑操作将可能导致错误！");
    if (rowsNotLoaded > 0)
        text += QStringLiteral("\n有%1项未能载入，保存时将原样保留。").arg(rowsNotLoaded);
    MsgBox(text, vbCritical, QStringLiteral("系统提示"));
}

void DesignerBase::applyBackground() {
    if (const auto colour = numericInt32(fieldText(InterfaceRow.id12)))
        PictureTest->setBackColor(*colour);
    const QString path = backgroundPicturePath();
    QPixmap picture;
    if (!path.isEmpty() && QFileInfo(path).isFile()) picture.load(path);
    PictureTest->setPicture(picture);
}

QString DesignerBase::backgroundPicturePath() const {
    const QString file = TrimFixedField(fieldText(InterfaceRow.id16));
    if (file.isEmpty()) return QString();
    // The properties dialog keeps the folder under the system's section, older settings under
    // "COMMON".
    QString folder;
    const QString system = TrimFixedField(fieldText(InterfaceRow.id09));
    for (const QString& section : {system, kCommon}) {
        if (section.isEmpty()) continue;
        folder = GetSetting(kSettingsApplication, section, kImagePathKey);
        if (!folder.isEmpty()) break;
    }
    if (folder.isEmpty()) folder = componentFolder() + QStringLiteral("/Res/Image/");
    folder.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (folder.endsWith(QLatin1Char('/'))) folder.chop(1);
    QString name = file;
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (name.startsWith(QLatin1Char('/'))) name.remove(0, 1);
    return folder + QLatin1Char('/') + name;
}

void DesignerBase::refreshCommands() {
    for (const char* key : {"save", "field", "color"})
        if (ToolbarButton* button = Toolbar1->Button(QString::fromLatin1(key)))
            button->SetEnabled(InterfaceLoaded);
}

void DesignerBase::Form_Load() {
    try {
        fillImages(toolbarImages2_, {"ID_RECT", "ID_LABEL", "ID_LINE"});
        setButtonImages(Toolbar2, toolbarImages2_, 3);
        fillImages(toolbarImages1_, {"ID_SAVE", "ID_PROP", "ID_FORMPROP", "ID_INOUT", "ID_CLOSE"});
        setButtonImages(Toolbar1, toolbarImages1_, 5);
        fillImages(toolbarImages34_, {"ID_ALIGNLEFT", "ID_ALIGNRIGHT", "ID_CENTER", "ID_SAMEWIDTH",
                                      "ID_SAMEHEIGHT", "ID_VERT", "ID_HRIZ", "ID_TAB"});
        setButtonImages(Toolbar3, toolbarImages34_, 7);
        setButtonImages(Toolbar4, toolbarImages34_, 1, 8);
        fillImages(treeImages_, {"ID_PROPS", "ID_PROP", "ID_HOTPROP"});
        TreeView1->SetImageList(&treeImages_);
        if (ToolbarButton* close = Toolbar1->Button(QStringLiteral("close")))
            close->SetCaption(closeCaption());
        // The band row shows every button: no toolbar folds into its overflow menu.
        for (KeyedToolbar* bar : {Toolbar2, Toolbar3, Toolbar4})
            bar->setMinimumSize(bar->sizeHint());
        mnu_ucProperty->setText(ucPropertyCaption());
        ShowNextTip();
        // The surface itself stands for its window handle: it maps canvas points to the screen.
        InitSizeHandles(reinterpret_cast<std::intptr_t>(PictureContainer));
        InitFieldTree();
        sizeline->init(this, PictureContainer);
        watchHandles();
        ShowNextTip();
        DesignModified = false;
        refreshCommands();
    } catch (const ZelkError& e) {
        MsgBox(e.description());
    } catch (const std::exception& e) {
        MsgBox(QString::fromLocal8Bit(e.what()));
    }
}

void DesignerBase::ShowNextTip() {
    // A stored number that is not a whole number from 0 to 32767 counts as 0.
    std::int16_t n = 0;
    bool whole = false;
    const int value = GetSetting(kSettingsApplication, kCommon, kTipKey).trimmed().toInt(&whole);
    if (whole && value >= 0 && value <= 32767) n = static_cast<std::int16_t>(value);
    ShowTip(n);
    SaveSetting(kSettingsApplication, kCommon, kTipKey, QString::number(n + 1));
}

void DesignerBase::ShowTip(std::int16_t& n) {
    if (n > 4 || n < 0) n = 0;
    SetStatusText(QStringLiteral("操作提示：\n  ") + QString::fromUtf8(kTips[n]));
}

void DesignerBase::SetStatusText(const QString& text) {
    StatusBar1->SetSimpleText(text);
}

void DesignerBase::SelectItemControl(std::int32_t kind, std::int16_t index) {
    if (kind < kKindLabel || kind > kKindMMX) return;
    current_.VBSelectControl(itemControl(kind, index), true);
}

void DesignerBase::Form_QueryUnload(int& cancel, int) {
    // A window that could not read its interface has nothing to save and must not write.
    if (!InterfaceLoaded || !DesignModified) return;
    beforeCloseQuestion();
    const int answer = MsgBox(QStringLiteral("界面设计器即将退出,是否保存界面所做的修改?"),
                              vbYesNo + vbQuestion, QStringLiteral("系统提示"));
    if (answer != vbYes) return;
    {
        BusyCursor busy;
        saveAsAsked();
    }
    // A failed save keeps the window open with its changes.
    if (DesignModified) cancel = 1;
}

void DesignerBase::Form_KeyDown(int& keyCode, int shift) {
    if (keyCode == vbKeyEscape && cancelCanvasGesture()) {
        keyCode = 0;
        return;
    }
    if (TreeView1->hasFocus()) {
        PictureContainer->setFocus();
        // The key stays with the tree: Del there deletes the item its node made current.
        if (keyCode == vbKeyDelete) {
            PictureContainer_KeyDown(keyCode, shift);
            keyCode = 0;
            return;
        }
    }
    // Keys typed into a position box are the box's own: Shift and Ctrl select and edit there.
    if (current_.typingInPositionBox()) return;
    if (shift != 0) {
        HidePic();
        sizeline->HideIndcates();
    }
    // Shift with more than one control selected moves the whole selection.
    if (shift == vbShiftMask && SelectedControls().size() > 1) {
        if (selection_.nudgeGroup(keyCode, shift)) DesignModified = true;
    } else if (current_.nudge(keyCode, shift)) {
        DesignModified = true;
    }
    if (CurrentControl()) ShowControlGeometry();
}

void DesignerBase::sizeline_onSizeLT(std::int32_t& x, std::int32_t& y) {
    if (DesignLine* line = asLine(CurrentControl())) {
        if (line->X1() != x || line->Y1() != y) DesignModified = true;
        line->setX1(x);
        line->setY1(y);
    }
}

void DesignerBase::sizeline_onSizeRB(std::int32_t& x, std::int32_t& y) {
    if (DesignLine* line = asLine(CurrentControl())) {
        if (line->X2() != x || line->Y2() != y) DesignModified = true;
        line->setX2(x);
        line->setY2(y);
    }
}

void DesignerBase::Form_KeyUp(int&, int shift) {
    // A box being typed in is not rewritten, and its status text stays.
    if (current_.typingInPositionBox()) return;
    if (CurrentControl() && shift == 0) VBSelectControl(CurrentControl());
}

}  // namespace zelk
