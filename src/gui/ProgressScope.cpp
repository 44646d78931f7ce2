#include "ProgressScope.h"

#include <QApplication>
#include <QProgressBar>
#include <algorithm>
#include <cmath>

ProgressScope::ProgressScope(QProgressBar& bar)
    : m_bar(bar)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_bar.setValue(0);
    m_bar.show();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

ProgressScope::~ProgressScope()
{
    m_bar.setValue(100);
    m_bar.hide();
    QApplication::restoreOverrideCursor();
}

void ProgressScope::setValue(double percent)
{
    const int value = std::isfinite(percent) ? int(std::lround(std::clamp(percent, 0.0, 100.0))) : 0;
    if (value == m_bar.value())
        return;
    m_bar.setValue(value);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
