#pragma once

#include "base/UserText.h"
#include "store/CardTable.h"
#include "store/SqliteStatement.h"

class SqliteConnection;

// Adds cards to the card table through one prepared statement, every column bound from a
// CardRecord; the caller runs it inside its transaction. A card whose id is NULL is
// numbered by the engine, after the largest id in the table.
class CardInsert {
public:
    explicit CardInsert(SqliteConnection& connection, const UserText& purpose = {});

    void Add(const CardRecord& card);

private:
    SqliteStatement m_statement;
    std::array<QByteArray, CardTable::kColumnCount> m_parameters;
};
