#include "store/CardInsert.h"

#include "store/StatementCatalogue.h"

CardInsert::CardInsert(SqliteConnection& connection, const UserText& purpose)
    : m_statement(connection, StatementCatalogue::InsertCard().sql)
{
    if (!purpose.IsEmpty()) {
        m_statement.SetPurpose(purpose);
    }
    for (int column = 0; column < CardTable::kColumnCount; ++column) {
        m_parameters.at(size_t(column)) = StatementCatalogue::InsertCardParameter(column);
    }
}

void CardInsert::Add(const CardRecord& card)
{
    for (int column = 0; column < CardTable::kColumnCount; ++column) {
        m_statement.Bind(m_parameters.at(size_t(column)).constData(), card[column]);
    }
    m_statement.Run();
}
