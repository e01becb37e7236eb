#include "app/Startup.h"

int main(int argc, char** argv) { return quendal::QuendalMain(argc, argv); }
