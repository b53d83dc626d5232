// Imports what the C runtime needs and nothing else.
int main() {
    return 0;
}
