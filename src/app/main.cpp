#include "app/RunNetloom.h"

int main(int argc, char** argv) {
    return netloom::RunNetloom(argc, argv);
}
