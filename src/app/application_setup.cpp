#include "app/application_setup.h"

#include <QCoreApplication>

namespace zn {

void ConfigureApplication() {
    QCoreApplication::setOrganizationName(QStringLiteral("Kronvik"));
}

} // namespace zn
