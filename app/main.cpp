#include "startup.h"

int main(int argc, char* argv[]) { return runOrvoCheck(argc, argv); }
