#include "ProgressScope.h"

#include "frmTallyhold.h"

#include <QApplication>
#include <QProgressBar>
#include <algorithm>
#include <cmath>

ProgressScope::ProgressScope(frmTallyhold& main)
    : m_main(main)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_main.pbar1->setValue(0);
    m_main.pbar1->show();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

ProgressScope::~ProgressScope()
{
    m_main.pbar1->setValue(100);
    m_main.pbar1->hide();
    QApplication::restoreOverrideCursor();
}

void ProgressScope::setValue(double percent)
{
    const int value = std::isfinite(percent) ? int(std::lround(std::clamp(percent, 0.0, 100.0))) : 0;
    if (value == m_main.pbar1->value())
        return;
    m_main.pbar1->setValue(value);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
