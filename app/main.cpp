#include <cstdio>
int main() { std::puts("Pelmora"); return 0; }
