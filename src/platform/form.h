#pragma once
// A top-level window with the life cycle the windows use:
//   load()   - first access: runs Form_Load once per load;
//   show()   - modeless, or showModal() through the prompt seam (a test script can drive it);
//   hide()   - out of sight, still loaded;
//   unload() - asks Form_QueryUnload (which can cancel), runs Form_Unload (which can cancel too),
//              hides the window and ends a modal show. The close box asks the same way.
// The C++ object outlives its window's loads: public variables stay readable after unload until
// the owner destroys the object.
//
// Key preview: every key pressed in the window reaches Form_KeyDown / Form_KeyUp before the
// focused control; setting the key code to 0 consumes the key. F1 (key code 112) raises NeedHelp
// once and is consumed before Form_KeyDown sees it.

#include <QDialog>
#include <QString>

namespace zelk {

// Key codes and shift state of the key handlers.
enum VbKeyCode : int {
    vbKeyBack = 8,
    vbKeyTab = 9,
    vbKeyReturn = 13,
    vbKeyShift = 16,
    vbKeyControl = 17,
    vbKeyMenu = 18,
    vbKeyEscape = 27,
    vbKeySpace = 32,
    vbKeyPageUp = 33,
    vbKeyPageDown = 34,
    vbKeyEnd = 35,
    vbKeyHome = 36,
    vbKeyLeft = 37,
    vbKeyUp = 38,
    vbKeyRight = 39,
    vbKeyDown = 40,
    vbKeyInsert = 45,
    vbKeyDelete = 46,
    vbKeyF1 = 112,
};
enum VbShiftState : int { vbShiftMask = 1, vbCtrlMask = 2, vbAltMask = 4 };

// The key code of a Qt key (0 when it has none) and the shift state of Qt modifiers.
int vbKeyCode(int qtKey);
int vbShiftState(Qt::KeyboardModifiers modifiers);

// Why a form is being unloaded, as Form_QueryUnload receives it.
enum UnloadMode : int { vbFormControlMenu = 0, vbFormCode = 1 };

class Form : public QDialog {
    Q_OBJECT
  public:
    explicit Form(QWidget* parent = nullptr);
    ~Form() override;

    // Loads the window if it is not loaded (runs Form_Load).
    void load();
    bool isLoaded() const { return loaded_; }

    // Modeless show (loads first).
    void show();
    // Modal show through the prompt seam; returns when the window is hidden or unloaded.
    void showModal(QWidget* owner = nullptr);
    bool isShownModal() const { return modal_; }

    // Unloads the window; false when Form_QueryUnload or Form_Unload cancelled.
    bool unload();

    // Key preview, on by default.
    void setKeyPreview(bool on) { keyPreview_ = on; }
    bool keyPreview() const { return keyPreview_; }

    // Placement and size of the window in twips.
    double leftTwips() const;
    double topTwips() const;
    double widthTwips() const;
    double heightTwips() const;
    void moveTwips(double left, double top);
    void resizeTwips(double width, double height);
    void setGeometryTwips(double left, double top, double width, double height);

    // Passes the owned form's help requests on as this form's own, unchanged.
    void relayNeedHelp(Form& owned);

    // Used by the prompt seam.
    void showScripted();
    void endScripted();
    void execModal(QWidget* owner);
    // Unloads without asking (a script left the window open, or nobody can answer it).
    void forceUnload();

  signals:
    // A help request: F1 in the window raises it with helpId(); owners relay it unchanged.
    void NeedHelp(QString& id);

  protected:
    virtual void Form_Load() {}
    virtual void Form_QueryUnload(int& cancel, int unloadMode) {
        (void)cancel;
        (void)unloadMode;
    }
    virtual void Form_Unload(int& cancel) { (void)cancel; }
    virtual void Form_KeyDown(int& keyCode, int shift) {
        (void)keyCode;
        (void)shift;
    }
    virtual void Form_KeyUp(int& keyCode, int shift) {
        (void)keyCode;
        (void)shift;
    }
    // The id F1 passes with NeedHelp: empty for the designers and dialogs.
    virtual QString helpId() const { return QString(); }

    // Raises NeedHelp with the given id (the relays of owned dialogs use it too).
    void raiseNeedHelp(QString& id);

    // Showing loads first, whichever way the window is shown.
    void setVisible(bool visible) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The window's class, naming its handlers in failure reports.
    QString className() const { return QString::fromLatin1(metaObject()->className()); }
    bool askUnload(int unloadMode);
    void finishUnload();

    bool loaded_ = false;
    bool loading_ = false;
    bool modal_ = false;
    bool keyPreview_ = true;
    bool previewing_ = false;
    bool closingByUnload_ = false;
};

}  // namespace zelk
