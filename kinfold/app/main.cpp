#include "app/CommandLine.h"

int main(int argc, char** argv)
{
    return KinfoldMain(argc, argv);
}
