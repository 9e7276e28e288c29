// A model file that wrongly reaches for the widget toolkit.
#include <QWidget>
