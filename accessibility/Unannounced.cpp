#include "accessibility/Unannounced.h"

namespace {

void dropEvent(QAccessibleEvent *) {}

} // namespace

Unannounced::Unannounced() : previous_(QAccessible::installUpdateHandler(dropEvent)) {}

Unannounced::~Unannounced()
{
    QAccessible::installUpdateHandler(previous_);
}
