#pragma once
#include "host/app.h"
#include "host/dialogs.h"
#include "host/form_peer.h"
#include "host/keystrokes.h"
#include "host/screen.h"
#include "host/storage.h"
#include "host/window_system.h"

namespace tastrel::host {

// Everything the portable program asks of its host.
struct Services {
    Dialogs& dialogs;
    WindowSystem& windows;
    Screen& screen;
    FileStore& files;
    AnsiCodec& codec;
    App& app;
    FormFactory& forms;
    Keystrokes& keys;
};

}  // namespace tastrel::host
