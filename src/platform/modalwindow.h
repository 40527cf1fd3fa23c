#pragma once
// Opening a window for one modal use, the way every opener does it: create the window, hand its
// help requests to the opener, initialise it, show it modally, then unload and destroy it. The
// window is gone when the call returns, however it ended; a failure of the initialisation or the
// show passes on to the caller after that.

#include <concepts>
#include <functional>
#include <memory>

#include <QObject>
#include <QString>
#include <QWidget>

#include "platform/form.h"
#include "platform/prompts.h"

namespace zelk {

// When the window is loaded: at its first access (usually inside its init), or before its init,
// for windows whose init relies on what Form_Load set up.
enum class ModalLoad { OnFirstAccess, BeforeInit };

// A receiver of the window's help requests; it may change the id, as an owner's relay may.
using NeedHelpReceiver = std::function<void(QString& id)>;

template <class W, class Init>
requires std::derived_from<W, Form> && std::invocable<Init&, W&>
void ShowModalWindow(Init&& init, QWidget* owner = nullptr, NeedHelpReceiver needHelp = {},
                     ModalLoad load = ModalLoad::OnFirstAccess) {
    const auto window = std::make_unique<W>();
    if (needHelp)
        QObject::connect(window.get(), &Form::NeedHelp, window.get(),
                         [receiver = std::move(needHelp)](QString& id) { receiver(id); });
    try {
        if (load == ModalLoad::BeforeInit) window->load();
        init(*window);
        ShowModal(*window, owner);
    } catch (...) {
        window->forceUnload();
        throw;
    }
    // A window that was only hidden is unloaded as its opener would: asked first, and closed
    // anyway when it refuses, so that nothing of it outlives the call.
    if (!window->unload()) window->forceUnload();
}

}  // namespace zelk
