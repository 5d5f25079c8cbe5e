#include <QApplication>
#include <gtest/gtest.h>

#include "ui/fonts.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    zephal::ui::fonts::registerSubstitutes();
    return RUN_ALL_TESTS();
}
