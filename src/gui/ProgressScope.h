#pragma once

class frmTallyhold;

// Shows the main window's progress bar and the wait cursor while a long command runs, and puts
// both away when the command ends, however it ends.
class ProgressScope
{
public:
    explicit ProgressScope(frmTallyhold& main);
    ~ProgressScope();
    ProgressScope(const ProgressScope&) = delete;
    ProgressScope& operator=(const ProgressScope&) = delete;

    // percent is clamped to 0..100; the window repaints, but takes no input meanwhile.
    void setValue(double percent);

private:
    frmTallyhold& m_main;
};
