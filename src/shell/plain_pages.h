// The pages whose controls belong to features still to come: panel, title, help topic and quick info.
#pragma once

#include "ui/plain_page.h"

namespace talvane {

const ui::PlainPageEntry& TweakNtPageEntry();

}  // namespace talvane
