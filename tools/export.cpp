// Placeholder: the command-line exporter lands with the headless core.
int main() { return 2; }
