#include "app/StartUp.h"

int main(int argc, char** argv)
{
    return RunOrganizer(argc, argv);
}
