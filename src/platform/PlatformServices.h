#pragma once

#include <functional>
#include <memory>

class FileChooser;
class LinePrinter;
class MessageBox;

// The dialogs and devices the program asks the desktop for; tests put doubles in their place.
struct PlatformServices
{
    MessageBox& messageBox;
    FileChooser& fileChooser;
    std::function<std::unique_ptr<LinePrinter>()> defaultPrinter;
};
