// The bar window Principal: start-up, refresh, the menu commands and the exit processing, as plain logic
// over the bar window view, the platform and the settings store.
#pragma once

#include <cstdint>

#include "bar/labarre.h"
#include "bar/settings/bar_settings.h"
#include "platform/bar_window.h"
#include "platform/platform.h"

namespace zudav {

enum class MenuCommand { Configuration, Rafraichir, Propos, Quitter };

class Principal {
  public:
    Principal(Platform& platform, SettingsStore& store, BarWindow& window, LaBarre& module);

    enum class LoadResult { Running, AlreadyRunning };
    // Start-up, run when the window is loaded. AlreadyRunning: another copy of this executable runs,
    // and nothing was read, written or shown.
    LoadResult Charger();

    // The window became active; fromThisProgram: the activation came from another window of the program.
    void OnActivated(bool fromThisProgram);
    // Clears the thirteen icon boxes and rebuilds the slots from the store.
    void Rafraichir();
    void OnMenu(MenuCommand command);
    // The "Action" label pops the menu up; the "Arrêter" image closes the bar.
    void OnActionLabelClick();
    void OnStopImageClick();
    // Exit processing, run when the window closes by any road.
    void Decharger();

    const BarSettings& Settings() const { return settings_; }

    // Public members that the other windows read and write.
    std::int16_t C = 0;  // vertical correction added to the stored top at start-up (Coef)
    float GranX = 0;     // left, top, width and height held by the lock
    float GranY = 0;
    float Lar = 0;
    float Hau = 0;
    bool Horizon = false;   // horizontal bar
    bool ResizeOK = false;  // the layout runs on a resize only while this is set
    bool Block = false;     // the bar is locked

  private:
    void ReadGeometry();
    void ReadWindowIcon();
    void ReadLock();

    Platform& platform_;
    BarWindow& window_;
    LaBarre& module_;
    BarSettings settings_;
    bool activatedOnce_ = false;
};

}  // namespace zudav
