#pragma once

#include <QString>

namespace veloxcd {

// The query texts the program sends to the catalogue.

// The programs of one category (1 to 7) that run on the machine.
QString categoryQuery(qint16 machine, int category);
// One program by its key.
QString programQuery(qint32 index);
// The author row of a program.
QString authorQuery(qint32 authorId);
// Programs whose name, author or either description contains the typed
// text (blanks around it dropped, inserted as typed).
QString searchQuery(const QString& typed);

} // namespace veloxcd
