// Receives a hand-off and does nothing with it, so that measuring the hand-off is not disturbed by
// the application's work.
int main() { return 0; }
