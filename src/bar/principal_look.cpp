// The bar's look: light, dark or high contrast.
#include "bar/principal.h"

namespace zudav {

void Principal::ShowLook() {
    const Look look = ChooseLook(platform_.AppsUseDarkTheme(), theme_, platform_.HighContrastOn());
    if (look_ != look) {
        look_ = look;
        window_.ShowLook(look);
    }
}

void Principal::OnLookSettingChange() {
    ShowLook();
}

void Principal::ChangeTheme(ThemeChoice choice) {
    theme_ = choice;
    ShowLook();
}

}  // namespace zudav
