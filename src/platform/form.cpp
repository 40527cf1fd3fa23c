#include "platform/form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>

#include "platform/errors.h"
#include "platform/prompts.h"
#include "platform/twips.h"

namespace zelk {

int vbKeyCode(int qtKey) {
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
        return qtKey;  // the same codes
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return vbKeyF1 + (qtKey - Qt::Key_F1);
    switch (qtKey) {
        case Qt::Key_Backspace:
            return vbKeyBack;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return vbKeyTab;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return vbKeyReturn;
        case Qt::Key_Shift:
            return vbKeyShift;
        case Qt::Key_Control:
            return vbKeyControl;
        case Qt::Key_Alt:
            return vbKeyMenu;
        case Qt::Key_Escape:
            return vbKeyEscape;
        case Qt::Key_Space:
            return vbKeySpace;
        case Qt::Key_PageUp:
            return vbKeyPageUp;
        case Qt::Key_PageDown:
            return vbKeyPageDown;
        case Qt::Key_End:
            return vbKeyEnd;
        case Qt::Key_Home:
            return vbKeyHome;
        case Qt::Key_Left:
            return vbKeyLeft;
        case Qt::Key_Up:
            return vbKeyUp;
        case Qt::Key_Right:
            return vbKeyRight;
        case Qt::Key_Down:
            return vbKeyDown;
        case Qt::Key_Insert:
            return vbKeyInsert;
        case Qt::Key_Delete:
            return vbKeyDelete;
        default:
            return 0;
    }
}

int vbShiftState(Qt::KeyboardModifiers modifiers) {
    int shift = 0;
    if (modifiers & Qt::ShiftModifier) shift |= vbShiftMask;
    if (modifiers & Qt::ControlModifier) shift |= vbCtrlMask;
    if (modifiers & Qt::AltModifier) shift |= vbAltMask;
    return shift;
}

namespace {
// The form whose keys a widget's keys are: the nearest form above it (an embedded form counts).
const Form* owningForm(const QWidget* w) {
    for (; w; w = w->parentWidget()) {
        if (auto* form = qobject_cast<const Form*>(w)) return form;
        if (w->isWindow()) return nullptr;
    }
    return nullptr;
}
}  // namespace

Form::Form(QWidget* parent) : QDialog(parent) {}

Form::~Form() {
    if (qApp) qApp->removeEventFilter(this);
}

void Form::load() {
    if (loaded_ || loading_) return;
    loading_ = true;
    loaded_ = true;
    if (qApp) qApp->installEventFilter(this);
    TrapErrors(className(), [this] { Form_Load(); });
    loading_ = false;
}

void Form::show() {
    setWindowModality(Qt::NonModal);
    QDialog::show();  // loads first (setVisible)
}

void Form::showModal(QWidget* owner) {
    ShowModal(*this, owner);
}

void Form::setVisible(bool visible) {
    if (visible && !loaded_ && !loading_) {
        load();
        if (!loaded_) return;  // Form_Load unloaded it again
    }
    if (!visible) return QDialog::setVisible(false);
    // A dialog makes its first button the default when none is; here only a button the window
    // made default answers Enter, so Enter in a text box does not press OK by itself.
    const QList<QPushButton*> buttons = findChildren<QPushButton*>();
    QList<QPushButton*> explicitDefaults;
    for (QPushButton* b : buttons)
        if (b->isDefault()) explicitDefaults << b;
    QDialog::setVisible(true);
    for (QPushButton* b : buttons)
        if (b->isDefault() && !explicitDefaults.contains(b)) b->setDefault(false);
}

bool Form::unload() {
    if (!loaded_) return true;
    if (!askUnload(vbFormCode)) return false;
    finishUnload();
    return true;
}

bool Form::askUnload(int unloadMode) {
    const QString source = className();
    int cancel = 0;
    // A handler that fails keeps the window open: closing it could lose what it holds.
    if (!TrapErrors(source, [&] { Form_QueryUnload(cancel, unloadMode); }) || cancel != 0)
        return false;
    cancel = 0;
    if (!TrapErrors(source, [&] { Form_Unload(cancel); }) || cancel != 0) return false;
    return true;
}

void Form::finishUnload() {
    loaded_ = false;
    modal_ = false;
    if (qApp) qApp->removeEventFilter(this);
    closingByUnload_ = true;
    QDialog::done(QDialog::Rejected);  // hides and ends a modal show
    closingByUnload_ = false;
}

void Form::forceUnload() {
    if (loaded_) finishUnload();
}

void Form::showScripted() {
    modal_ = true;
    setWindowModality(Qt::NonModal);
    QDialog::show();
}

void Form::endScripted() {
    modal_ = false;
    if (isVisible()) {
        reportPromptFailure(QStringLiteral("the script left modal window \"%1\" (%2) open")
                                .arg(windowTitle(), className()));
        forceUnload();
    }
}

void Form::execModal(QWidget* owner) {
    if (owner && parentWidget() != owner) setParent(owner, windowFlags());
    modal_ = true;
    setWindowModality(Qt::ApplicationModal);
    QDialog::exec();
    modal_ = false;
}

void Form::raiseNeedHelp(QString& id) {
    TrapErrors(className(), [&] { emit NeedHelp(id); });
}

void Form::relayNeedHelp(Form& owned) {
    connect(&owned, &Form::NeedHelp, this, [this](QString& id) { raiseNeedHelp(id); });
}

void Form::closeEvent(QCloseEvent* event) {
    if (closingByUnload_ || !loaded_) {
        event->accept();
        return;
    }
    if (askUnload(vbFormControlMenu)) {
        finishUnload();
        event->accept();
    } else {
        event->ignore();
    }
}

// Escape does not close a window by itself; a window that wants it handles the key.
void Form::reject() {}

bool Form::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease) return false;
    if (!keyPreview_ || previewing_ || !watched->isWidgetType()) return false;
    if (owningForm(static_cast<QWidget*>(watched)) != this) return false;

    auto* key = static_cast<QKeyEvent*>(event);
    const int code = vbKeyCode(key->key());
    if (code == 0) return false;
    const int shift = vbShiftState(key->modifiers());

    if (code == vbKeyF1) {
        if (type == QEvent::KeyPress) {
            QString id = helpId();
            raiseNeedHelp(id);
        }
        event->accept();
        return true;
    }

    int keyCode = code;
    if (type == QEvent::KeyPress) {
        TrapErrors(className(), [&] { Form_KeyDown(keyCode, shift); });
    } else {
        TrapErrors(className(), [&] { Form_KeyUp(keyCode, shift); });
    }
    if (keyCode == 0) {
        event->accept();
        return true;
    }
    // Deliver the key ourselves, so that its way up through the parents is not previewed again.
    previewing_ = true;
    QCoreApplication::sendEvent(watched, event);
    previewing_ = false;
    event->accept();
    return true;
}

double Form::leftTwips() const {
    return pixelsToTwips(pos().x());
}
double Form::topTwips() const {
    return pixelsToTwips(pos().y());
}
double Form::widthTwips() const {
    return pixelsToTwips(frameGeometry().width());
}
double Form::heightTwips() const {
    return pixelsToTwips(frameGeometry().height());
}

void Form::moveTwips(double left, double top) {
    move(twipsToPixels(left), twipsToPixels(top));
}

void Form::resizeTwips(double width, double height) {
    // The twips are the outer size; the frame's own width comes off the client area.
    const int frameW = frameGeometry().width() - geometry().width();
    const int frameH = frameGeometry().height() - geometry().height();
    resize(std::max(0, twipsToPixels(width) - frameW), std::max(0, twipsToPixels(height) - frameH));
}

void Form::setGeometryTwips(double left, double top, double width, double height) {
    moveTwips(left, top);
    resizeTwips(width, height);
}

}  // namespace zelk
