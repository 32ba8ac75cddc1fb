// The program each floor's library is linked into, whole, with the libraries
// of the floors below it and nothing else (see layers.cmake): it runs nothing;
// its link fails when the floor calls a floor above it.
int main() {
  return 0;
}
