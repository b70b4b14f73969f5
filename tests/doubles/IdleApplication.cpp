// The application beside the scripted core library: started like the product's, it leaves the hand-off
// file where it was written, for the test to read.
int main() { return 0; }
