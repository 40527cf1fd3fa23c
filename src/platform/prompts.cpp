#include "platform/prompts.h"

#include <QAction>
#include <QMenu>

#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QDateTime>
#include <QDebug>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "platform/controls/olecolor.h"
#include "platform/errors.h"
#include "platform/fileicons.h"
#include "platform/form.h"
#include "platform/translations.h"

namespace zelk {

namespace {

std::vector<PromptInterceptor*>& interceptors() {
    static std::vector<PromptInterceptor*> stack;
    return stack;
}

PromptFailureHandler& failureHandler() {
    static PromptFailureHandler handler;
    return handler;
}

// No person can answer on the headless platforms: a prompt there would wait forever.
bool nobodyCanAnswer() {
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("offscreen") || platform == QLatin1String("minimal");
}

bool refuseUnanswerable(const QString& what) {
    if (!nobodyCanAnswer()) return false;
    reportPromptFailure(QStringLiteral("prompt with no script on a headless screen: %1").arg(what));
    return true;
}

QWidget* activeParent() {
    return QApplication::activeWindow();
}

QString titleOrAppName(const QString& title) {
    return title.isEmpty() ? QApplication::applicationDisplayName() : title;
}

QMessageBox::Icon iconOf(int style) {
    switch (style & 0x70) {
        case vbCritical:
            return QMessageBox::Critical;
        case vbQuestion:
            return QMessageBox::Question;
        case vbExclamation:
            return QMessageBox::Warning;
        case vbInformation:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}

}  // namespace

std::vector<int> msgBoxButtons(int style) {
    switch (style & 0x7) {
        case vbOKCancel:
            return {vbOK, vbCancel};
        case vbAbortRetryIgnore:
            return {vbAbort, vbRetry, vbIgnore};
        case vbYesNoCancel:
            return {vbYes, vbNo, vbCancel};
        case vbYesNo:
            return {vbYes, vbNo};
        case vbRetryCancel:
            return {vbRetry, vbCancel};
        default:
            return {vbOK};
    }
}

QString msgBoxButtonCaption(int result) {
    switch (result) {
        case vbOK:
            return QStringLiteral("确定");
        case vbCancel:
            return QStringLiteral("取消");
        case vbAbort:
            return QStringLiteral("终止(A)");
        case vbRetry:
            return QStringLiteral("重试(R)");
        case vbIgnore:
            return QStringLiteral("忽略(I)");
        case vbYes:
            return QStringLiteral("是(Y)");
        case vbNo:
            return QStringLiteral("否(N)");
        default:
            return QString();
    }
}

int msgBoxSafeAnswer(int style) {
    const std::vector<int> buttons = msgBoxButtons(style);
    for (int preferred : {vbCancel, vbNo, vbAbort}) {
        for (int b : buttons)
            if (b == preferred) return b;
    }
    return buttons.front();
}

int MsgBox(const QString& prompt, int style, const QString& title) {
    if (PromptInterceptor* script = promptInterceptor())
        return script->messageBox(prompt, style, title);
    if (refuseUnanswerable(QStringLiteral("message box \"%1\"").arg(prompt)))
        return msgBoxSafeAnswer(style);

    QMessageBox box(activeParent());
    box.setWindowTitle(titleOrAppName(title));
    box.setText(prompt);
    box.setIcon(iconOf(style));
    const std::vector<int> buttons = msgBoxButtons(style);
    std::vector<QPushButton*> pushButtons;
    for (int result : buttons) {
        const QMessageBox::ButtonRole role = result == vbCancel ? QMessageBox::RejectRole
                                             : result == vbNo   ? QMessageBox::NoRole
                                                                : QMessageBox::AcceptRole;
        pushButtons.push_back(box.addButton(msgBoxButtonCaption(result), role));
    }
    const int defaultIndex = (style & vbDefaultButton3) ? 2 : (style & vbDefaultButton2) ? 1 : 0;
    box.setDefaultButton(pushButtons[std::min<std::size_t>(defaultIndex, pushButtons.size() - 1)]);
    // Escape answers only where a Cancel button (or the lone OK) is there to take it.
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        if (buttons[i] == vbCancel || buttons.size() == 1) box.setEscapeButton(pushButtons[i]);
    }
    box.exec();
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        if (box.clickedButton() == pushButtons[i]) return buttons[i];
    }
    return msgBoxSafeAnswer(style);
}

QString InputBox(const QString& prompt, const QString& title, const QString& defaultText) {
    if (PromptInterceptor* script = promptInterceptor())
        return script->inputBox(prompt, title, defaultText).value_or(QString());
    if (refuseUnanswerable(QStringLiteral("input box \"%1\"").arg(prompt))) return QString();
    QInputDialog dialog(activeParent());
    dialog.setWindowTitle(titleOrAppName(title));
    dialog.setLabelText(prompt);
    dialog.setTextValue(defaultText);
    dialog.setOkButtonText(msgBoxButtonCaption(vbOK));
    dialog.setCancelButtonText(msgBoxButtonCaption(vbCancel));
    if (dialog.exec() != QDialog::Accepted) return QString();
    return dialog.textValue();
}

void ShowModal(Form& form, QWidget* owner) {
    form.load();
    if (!form.isLoaded()) return;
    if (PromptInterceptor* script = promptInterceptor()) {
        form.showScripted();
        struct EndScripted {
            Form& form;
            ~EndScripted() { form.endScripted(); }
        } end{form};
        script->modalForm(form);
        return;
    }
    if (refuseUnanswerable(QStringLiteral("modal window \"%1\"").arg(form.windowTitle()))) {
        form.forceUnload();
        return;
    }
    form.execModal(owner);
}

QAction* PromptInterceptor::popupMenu(QMenu& menu, const QPoint&) {
    reportPromptFailure(QStringLiteral("unexpected menu \"%1\"").arg(menu.title()));
    return nullptr;
}

QAction* PopupMenu(QMenu& menu, const QPoint& globalPos) {
    if (PromptInterceptor* script = promptInterceptor()) {
        QAction* chosen = script->popupMenu(menu, globalPos);
        if (chosen) chosen->trigger();
        return chosen;
    }
    if (refuseUnanswerable(QStringLiteral("menu \"%1\"").arg(menu.title()))) return nullptr;
    return menu.exec(globalPos);
}

// ---------------------------------------------------------------------------------------------
// The common dialog

QString commonDialogFilterToQt(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        patterns = patterns.trimmed();
        const QString description = parts[i].trimmed();
        // The dialog hides the last parentheses: it shows the description as worded, patterns
        // and all when the description names them itself.
        out << (description.isEmpty() ? patterns : description) +
                   QStringLiteral(" (%1)").arg(patterns);
    }
    return out.join(QStringLiteral(";;"));
}

namespace {

// Asks the script, else the person; false when cancelled, which throws with CancelError set.
bool choose(PromptKind kind, CommonDialog& dialog, const std::function<bool()>& person) {
    bool chosen = false;
    if (PromptInterceptor* script = promptInterceptor()) {
        chosen = script->commonDialog(kind, dialog);
    } else if (!refuseUnanswerable(
                   QStringLiteral("common dialog \"%1\"").arg(dialog.DialogTitle))) {
        chosen = person();
    }
    if (!chosen && dialog.CancelError)
        throw ZelkError(QStringLiteral("CommonDialog"), QStringLiteral("选择了“取消”。"),
                        kErrCancel);
    return chosen;
}

QString startPath(const CommonDialog& d) {
    if (!d.FileName.isEmpty()) {
        QFileInfo fi(d.FileName);
        if (fi.isAbsolute() || d.InitDir.isEmpty()) return d.FileName;
        return d.InitDir + QLatin1Char('/') + d.FileName;
    }
    return d.InitDir;
}

// The size, type and date columns hold their widest usual texts whole, and the dialog is wide
// enough to show them beside the names (within the screen). Run once the dialog is laid out.
void widenFileColumns(QFileDialog& dialog) {
    auto* details = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
    if (!details) return;
    const QLocale locale = UsersLocale();
    const QString widest[] = {
        locale.formattedDataSize(1023 * 1024 * 1024 - 1), kPackageTypeName,
        locale.toString(QDateTime(QDate(2000, 12, 28), QTime(23, 59)), QLocale::ShortFormat)};
    const int margin =
        details->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, details) + 1;
    QHeaderView* header = details->header();
    int needed = header->sectionSize(0) + 2 * details->frameWidth() +
                 details->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, details);
    for (int column = 1; column <= 3; ++column) {
        const int wanted =
            details->fontMetrics().horizontalAdvance(widest[column - 1]) + 4 * margin;
        // The last column takes whatever room is left.
        if (column < 3 && wanted > header->sectionSize(column))
            header->resizeSection(column, wanted);
        needed += std::max(wanted, column < 3 ? header->sectionSize(column) : 0);
    }
    int width = dialog.width() + std::max(0, needed - details->width());
    if (const QScreen* screen = dialog.screen())
        width = std::min(width, screen->availableGeometry().width());
    dialog.resize(std::max(width, dialog.width()), dialog.height());
}

// Widens the file columns when the dialog is first shown: laid out, not painted yet.
class WidenWhenShown : public QObject {
  public:
    explicit WidenWhenShown(QFileDialog* dialog) : QObject(dialog) {
        dialog->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            watched->removeEventFilter(this);
            widenFileColumns(*static_cast<QFileDialog*>(watched));
        }
        return false;
    }
};

// The place (from 1) of the filter the person left the dialog on. With the details hidden,
// Qt 6.4's selectedNameFilter() gives the shortened text shown, which no filter of the list is:
// the type box's place is the filter's.
int chosenFilterIndex(const QFileDialog& dialog, const QStringList& filters) {
    const auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    if (types && types->count() == filters.size() && types->currentIndex() >= 0)
        return types->currentIndex() + 1;
    return std::max(1, static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1);
}

bool askFile(CommonDialog& d, bool save) {
    const QFileInfo start(startPath(d));
    const bool named = !d.FileName.isEmpty() && !start.isDir();
    QFileDialog dialog(activeParent(), d.DialogTitle, named ? start.path() : start.filePath(),
                       commonDialogFilterToQt(d.Filter));
    // Qt's own dialog with icons and types from names only: a dialog that read the files it lists
    // (a native one runs in this process too) would release the locks of a database among them.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setIconProvider(nameOnlyFileIcons());
    // Sizes and dates as the rest of the dialog speaks, not in the system's locale.
    dialog.setLocale(UsersLocale());
    dialog.setProxyModel(new LocalFileColumns(UsersLocale(), &dialog));
    new WidenWhenShown(&dialog);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save || !(d.Flags & cdlOFNFileMustExist) ? QFileDialog::AnyFile
                                                                : QFileDialog::ExistingFile);
    if (!d.DefaultExt.isEmpty()) dialog.setDefaultSuffix(d.DefaultExt);
    const QStringList filters = dialog.nameFilters();
    if (d.FilterIndex >= 1 && d.FilterIndex <= filters.size())
        dialog.selectNameFilter(filters[d.FilterIndex - 1]);
    // The name after the filter: choosing a filter in a save dialog puts the filter's suffix on
    // the name shown ("*.*" would make "包.idf" "包.*").
    if (named) dialog.selectFile(start.fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
    d.FileName = dialog.selectedFiles().front();
    d.FilterIndex = chosenFilterIndex(dialog, filters);
    return true;
}

void showFile(CommonDialog& d, bool save) {
    if (!choose(save ? PromptKind::SaveFile : PromptKind::OpenFile, d,
                [&d, save] { return askFile(d, save); }))
        return;
    d.FileName.replace(QLatin1Char('\\'), QLatin1Char('/'));
    d.FileTitle = QFileInfo(d.FileName).fileName();
}

// The font dialog with effects: the font choice and, beside it, the text colour from the sixteen
// basic colours (and the colour it started from).
bool askFontWithColour(const QFont& initial, QFont& chosen, std::int32_t& colour,
                       const QString& title) {
    QDialog dialog(activeParent());
    dialog.setWindowTitle(title.isEmpty() ? QStringLiteral("字体") : title);
    auto* fonts = new QFontDialog(initial, &dialog);
    fonts->setOptions(QFontDialog::NoButtons);
    fonts->setWindowFlags(Qt::Widget);
    auto* colours = new QComboBox(&dialog);
    static const std::int32_t kBasic[] = {
        0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0x808080,
        0xC0C0C0, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
    std::vector<std::int32_t> offered(std::begin(kBasic), std::end(kBasic));
    if (std::find(offered.begin(), offered.end(), colour) == offered.end())
        offered.insert(offered.begin(), colour);
    for (const std::int32_t value : offered) {
        QPixmap swatch(24, 12);
        swatch.fill(oleColorToQColor(value));
        colours->addItem(QIcon(swatch), oleColorToQColor(value).name(), value);
    }
    colours->setCurrentIndex(
        static_cast<int>(std::find(offered.begin(), offered.end(), colour) - offered.begin()));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* colourRow = new QHBoxLayout;
    // With its buddy the label's "&C" is the Alt+C mnemonic, not a literal ampersand.
    auto* colourLabel = new QLabel(QStringLiteral("颜色(&C):"), &dialog);
    colourLabel->setBuddy(colours);
    colourRow->addWidget(colourLabel);
    colourRow->addWidget(colours, 1);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(fonts);
    layout->addLayout(colourRow);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted) return false;
    chosen = fonts->currentFont();
    colour = colours->currentData().toInt();
    return true;
}

bool askColor(CommonDialog& d) {
    const QColor c =
        QColorDialog::getColor(oleColorToQColor(d.Color), activeParent(), d.DialogTitle);
    if (!c.isValid()) return false;
    d.Color = qColorToOleColor(c);
    return true;
}

bool askFont(CommonDialog& d) {
    QFont initial(d.FontName);
    if (d.FontSize > 0) initial.setPointSizeF(d.FontSize);
    initial.setBold(d.FontBold);
    initial.setItalic(d.FontItalic);
    initial.setUnderline(d.FontUnderline);
    initial.setStrikeOut(d.FontStrikethru);
    QFont f;
    if (d.Flags & cdlCFEffects) {
        if (!askFontWithColour(initial, f, d.Color, d.DialogTitle)) return false;
    } else {
        bool ok = false;
        f = QFontDialog::getFont(&ok, initial, activeParent(), d.DialogTitle);
        if (!ok) return false;
    }
    d.FontName = f.family();
    d.FontSize = f.pointSizeF();
    d.FontBold = f.bold();
    d.FontItalic = f.italic();
    d.FontUnderline = f.underline();
    d.FontStrikethru = f.strikeOut();
    return true;
}

}  // namespace

bool showCommonDialogToPerson(PromptKind kind, CommonDialog& dialog) {
    switch (kind) {
        case PromptKind::Color:
            return askColor(dialog);
        case PromptKind::Font:
            return askFont(dialog);
        case PromptKind::OpenFile:
            return askFile(dialog, false);
        case PromptKind::SaveFile:
            return askFile(dialog, true);
        default:
            return false;
    }
}

void CommonDialog::ShowColor() {
    choose(PromptKind::Color, *this, [this] { return askColor(*this); });
}

void CommonDialog::ShowFont() {
    choose(PromptKind::Font, *this, [this] { return askFont(*this); });
}

void CommonDialog::ShowOpen() {
    showFile(*this, false);
}

void CommonDialog::ShowSave() {
    showFile(*this, true);
}

// ---------------------------------------------------------------------------------------------
// Interceptors and failures

PromptInterceptor* promptInterceptor() {
    return interceptors().empty() ? nullptr : interceptors().back();
}

void pushPromptInterceptor(PromptInterceptor* interceptor) {
    interceptors().push_back(interceptor);
}

void popPromptInterceptor(PromptInterceptor* interceptor) {
    auto& stack = interceptors();
    for (auto it = stack.rbegin(); it != stack.rend(); ++it) {
        if (*it == interceptor) {
            stack.erase(std::next(it).base());
            return;
        }
    }
}

void setPromptFailureHandler(PromptFailureHandler handler) {
    failureHandler() = std::move(handler);
}

void reportPromptFailure(const QString& message) {
    if (failureHandler()) {
        failureHandler()(message);
    } else {
        qWarning().noquote() << message;
    }
}

}  // namespace zelk
