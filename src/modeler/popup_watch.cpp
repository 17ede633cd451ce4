// The pop-up watch: the palette steps aside while Modeler shows a dialog.
#include "modeler/modeler_window.h"
#include "shell/main_form.h"

namespace tastrel {

void MainForm::Timer1_Timer() {
    const host::WindowHandle modeler = Get_Modeler_Hwnd(services_.windows);
    if (modeler == host::no_window) {
        // Said once: the user chose to keep the program; it waits for Modeler.
        if (modeler_gone_told_) return;
        return quit_without_modeler(
            "LightWave3Dﾓﾃﾞﾗｰが起動しておりません。LightWave3Dﾓﾃﾞﾗｰを起動後本ソフトを起動してください。");
    }
    modeler_gone_told_ = false;

    const host::WindowHandle popup = services_.windows.last_active_popup(modeler);
    if (popup == host::no_window) {
        Timer1.set_enabled(false);
        services_.dialogs.message_box(
            "予期せぬｴﾗｰが発生しました。LightWave3Dﾓﾃﾞﾗｰﾎﾟｯﾌﾟｱｯﾌﾟｳｨﾝﾄﾞｳの移動を中止します。(GetLastActivePopup)");
        // The watch ends here: a palette it hid must not stay out of reach.
        if (!visible()) set_visible(true);
        return;
    }
    const bool dialog_open = popup != modeler;
    if (visible() == dialog_open) set_visible(!dialog_open);
    if (!dialog_open && Check2.value() != 1) Timer1.set_enabled(false);
}

}  // namespace tastrel
