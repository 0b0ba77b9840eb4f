#pragma once

#include <QString>

namespace toolkit {

// What the design view needs of the main window when a region is clicked:
// name the region and load its colour into the three channel boxes.
class ChannelEditor {
public:
    virtual void showSelection(const QString& regionName, const QString& red,
                               const QString& green, const QString& blue) = 0;

protected:
    ~ChannelEditor() = default;
};

} // namespace toolkit
