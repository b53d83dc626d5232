// The GUI test driver: everything a test needs to operate another process's windows under Wine.
#pragma once

#include "controls.h"
#include "engine_log.h"
#include "fake_engine.h"
#include "host.h"
#include "installer.h"
#include "launcher.h"
#include "list_view.h"
#include "message_box.h"
#include "pointer.h"
#include "process.h"
#include "registry.h"
#include "screenshot.h"
#include "shell_files.h"
#include "wait.h"
#include "window_find.h"
