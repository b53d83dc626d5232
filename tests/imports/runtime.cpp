// Throws and catches, which brings in the runtime's unwinder and its lock, and with them CreateSemaphoreW unless the
// ANSI runtime slots are linked.
#include <stdexcept>

int main(int argc, char** /*argv*/) {
    try {
        if (argc > 0) {
            throw std::runtime_error("unwound");
        }
    } catch (const std::exception&) {
        return 0;
    }
    return 1;
}
