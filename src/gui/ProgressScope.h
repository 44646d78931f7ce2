#pragma once

class QProgressBar;

// Shows a progress bar and the wait cursor while a long command runs, and puts
// both away when the command ends, however it ends.
class ProgressScope
{
public:
    explicit ProgressScope(QProgressBar& bar);
    ~ProgressScope();
    ProgressScope(const ProgressScope&) = delete;
    ProgressScope& operator=(const ProgressScope&) = delete;

    // percent is clamped to 0..100; the window repaints, but takes no input meanwhile.
    void setValue(double percent);
    // For a command's progress callback.
    auto reporter()
    {
        return [this](int percent) {
            setValue(percent);
        };
    }

private:
    QProgressBar& m_bar;
};
