// Imports a kernel32 function of Windows XP that the import table does not list, which the check must refuse.
#include <windows.h>

extern "C" __declspec(dllimport) void WINAPI GetNativeSystemInfo(LPSYSTEM_INFO info);

int main() {
    SYSTEM_INFO info{};
    GetNativeSystemInfo(&info);
    return static_cast<int>(info.dwNumberOfProcessors & 1U);
}
