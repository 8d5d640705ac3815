#include "cli/batch_app.h"

int main(int argc, char** argv) { return morvane::cli::RunBatch(argc, argv); }
