#pragma once

#include <QString>

#include <utility>

namespace host {

// Facts about the machine the game runs on.
class HostFacts {
public:
    virtual ~HostFacts() = default;
    // The folder holding the real program file, without a trailing "/" except for the root "/".
    virtual QString programFolder() const = 0;
    // The primary screen's height in units of 1/1440 inch.
    virtual int screenHeightTwips() const = 0;
    // Screen pixels per 1/1440 inch.
    virtual double pixelsPerTwip() const = 0;
};

class QtHostFacts : public HostFacts {
public:
    QString programFolder() const override;
    int screenHeightTwips() const override;
    double pixelsPerTwip() const override;
};

// Fixed facts, for tests and tools that build a game over a folder of their choice.
class FixedHostFacts : public HostFacts {
public:
    FixedHostFacts(QString folder, int screenHeightTwips)
        : folder_(std::move(folder))
        , screenHeight_(screenHeightTwips) {}
    QString programFolder() const override { return folder_; }
    int screenHeightTwips() const override { return screenHeight_; }
    // 96 pixels per inch: 15 units of 1/1440 inch a pixel.
    double pixelsPerTwip() const override { return 1.0 / 15.0; }

private:
    QString folder_;
    int screenHeight_;
};

} // namespace host
