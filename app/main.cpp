// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PikoraApp.h"

int main(int argc, char** argv)
{
    pikora::CPikoraApp application;
    application.InitInstance(argc, argv);
    return 0;
}
