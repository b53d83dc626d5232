// Imports winmm.dll, which the import check must refuse.
#include <windows.h>

#include <mmsystem.h>

int main() {
    return static_cast<int>(timeGetTime() & 1U);
}
