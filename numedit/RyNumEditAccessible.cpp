// TRyNumEdit: what assistive technology reads and is told.
#include "RyNumEdit.h"

void TRyNumEdit::NotifyAccessibility() {}
