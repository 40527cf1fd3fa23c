#pragma once
// Registry of the windows that `make screenshots` writes. A window adds one shot_<name>.cpp:
//
//   ZELK_SCREENSHOT("frm_zelk_xgti", [](zelk::shots::ShotContext& ctx) {
//       zelk::frm_zelk_xgti form;
//       ...
//       ctx.save(&form, "frm_zelk_xgti");
//   });
//
// A shot may save several pictures. It runs on a fresh copy of the demo database, with private
// settings folders, on Qt's offscreen platform; prompts nobody answers take their safe answer.

#include <cstdint>
#include <functional>

#include <QString>
#include <QWidget>

namespace zelk::shots {

struct ShotContext {
    std::int32_t hdbc = 0;    // the demo database, open
    QString databasePath;     // its SQLite file
    QString outputFolder;     // where the pictures go
    bool fromScreen = false;  // pictures of the X screen where the window lies (--screen)
    int saved = 0;
    int failed = 0;

    // Shows `widget` offscreen if it is hidden, lets pending layout and paint events run and writes
    // it to <outputFolder>/<name>.png. With fromScreen the window is shown on the X server and what
    // the screen shows in its frame goes to <name>-screen.png. A failure is counted and reported;
    // the run goes on.
    bool save(QWidget* widget, const QString& name);
};

using ShotFunction = std::function<void(ShotContext&)>;

// Called by ZELK_SCREENSHOT at start-up; `name` is what the command line filters on.
int registerShot(const char* name, ShotFunction shot);

}  // namespace zelk::shots

#define ZELK_SHOT_CONCAT2(a, b) a##b
#define ZELK_SHOT_CONCAT(a, b) ZELK_SHOT_CONCAT2(a, b)
#define ZELK_SCREENSHOT(name, ...)                                            \
    [[maybe_unused]] static const int ZELK_SHOT_CONCAT(zelkShot_, __LINE__) = \
        ::zelk::shots::registerShot(name, __VA_ARGS__)
