#include "startup.h"

int main(int argc, char** argv) { return ulvarin::RunUlvarin(argc, argv); }
