// The `mordaventa` executable: everything but the entry point lives in the libraries.
#include "app/ui/ModResFiles.h"

int main(int argc, char** argv) {
    return ModResFiles::Main(argc, argv);
}
