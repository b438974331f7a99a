#pragma once

#include <QString>
#include <QWidget>

namespace Vexal {

// The journal of one record kind: its table, its editor and its title; a
// kind with commands of its own adds them in its class. Base is the journal
// it extends: BaseJournal, or one with a tree whose own steps stay as they
// are.
template <class Base, class Table, class Editor, QString (*kindTitle)()>
class BaseRecordJournal : public Base
{
public:
    explicit BaseRecordJournal(QWidget* parent = nullptr)
        : Base(parent)
    {
    }

    QString title() const override { return kindTitle(); }
    // Null before the journal is built.
    Table* recordTable() const { return static_cast<Table*>(this->m_table); }

protected:
    void createTable() override { this->installTable(new Table(this->m_syncManager, this)); }
    QWidget* createEditor(QWidget* parent) override { return new Editor(parent); }
};

} // namespace Vexal
