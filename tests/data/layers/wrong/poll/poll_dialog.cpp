// A window source placed on a core path.
#include <QWidget>
