#include "app/startup.h"

int main(int argc, char *argv[])
{
    return runLifetally(argc, argv);
}
