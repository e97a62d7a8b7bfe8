#pragma once

class QWidget;

// What a Designer form cannot say by itself, stored in it as dynamic properties
// and applied after setupUi: fractional point sizes ("pointSizeF") and the
// column widths of a tree view ("columnWidths", pixels separated by commas),
// applied to the columns of the model it shows by then.
void applyFormLook(QWidget &form);
