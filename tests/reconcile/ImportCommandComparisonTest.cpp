#include "ReconcileFixture.h"
#include "model/MessageRecordField.h"
#include "reconcile/ComparisonRowLayout.h"
#include "reconcile/IRCommandComparison.h"
#include "reconcile/RS232CommandComparison.h"

#include <sstream>

namespace {

std::string Rows(const std::vector<CommandComparisonRow>& rows)
{
    std::ostringstream text;
    for (const CommandComparisonRow& row : rows)
        text << row.Name << ':' << (row.InNew ? "N" : "") << (row.InDataBase ? "D" : "") << (row.IsSame ? "S" : "")
             << ' ';
    return text.str();
}

class ImportCommandComparisonTest : public ReconcileTest {
protected:
    // The library at `index` becomes the buffered one and leaves the database.
    void BufferIRLibrary(int index)
    {
        state->IR.IRLibraryToRecord(index);
        state->IR.IRDatabase().Remove(index);
    }
    void BufferRS232Library(int index)
    {
        state->RS232Libraries.RS232LibraryToRecord(index);
        state->RS232Libraries.RS232Database().Remove(index);
    }
};

}  // namespace

TEST_F(ImportCommandComparisonTest, IRRowsPairByNameAndMovingKeepsTheDatabaseInterPeriods)
{
    // OFF is the same as the database's second command of that name; VOL
    // differs in its inter-period alone.
    IRclass& stored = AddIRLibrary(*state, "ACME", "TV", "T1", {"ON:1", "OFF:2", "DOWN:7", " off :5", "VOL:8"});
    stored.CommandAt(4)->InterPeriod(IRPart::Start, 9);
    AddIRLibrary(*state, "ACME", "TV", "T1", {"ON:1", "OFF:5", "UP:6", "vol:8"});
    BufferIRLibrary(1);
    EXPECT_EQ(Rows(CompareIRCommands(state->IR, stored)), "ON:NDS OFF:NDS UP:N VOL:ND DOWN:D ");

    for (const CommandComparisonRow& row : CompareIRCommands(state->IR, stored))
        EXPECT_TRUE(MoveIRRowToLibrary(state->IR, stored, row));
    auto expected = NewState();
    AddIRLibrary(*expected, "ACME", "TV", "T1", {"ON:1", "OFF:5", "DOWN:7", " off :5", "vol:8", "UP:6"});
    EXPECT_EQ(Described(stored), Described(expected->IR.IRDatabase()[0]));
    EXPECT_EQ(stored.CommandAt(4)->InterPeriod(IRPart::Start), 9);

    // A library as full as a file can count gains nothing.
    while (stored.Num_commands() < IRclass::MaximumCommands) stored.AddIRCommand();
    EXPECT_FALSE(MoveIRRowToLibrary(state->IR, stored, CommandComparisonRow{"UP", true, false, false}));
    EXPECT_EQ(stored.Num_commands(), IRclass::MaximumCommands);
}

TEST_F(ImportCommandComparisonTest, RS232RowsSkipUnnamedSlotsAndMovingSetsTheDirectionFromTheNewBytes)
{
    RS232FileBlockClass& stored = AddRS232Library(*state, "ACME", "TV", "T1", {"ON:a", "SPARE:", "OFF:b", "IN:x?"});
    stored.Command(1, "   ");
    AddRS232Library(*state, "ACME", "TV", "T1", {"ON:a", "OFF:c?", "in:y", "NEW:n"});
    BufferRS232Library(1);
    const RS232LibraryRecord& record = state->RS232Libraries.RS232RecordBuffer;
    EXPECT_EQ(Rows(CompareRS232Commands(record, stored)), "ON:NDS OFF:ND IN:ND NEW:N ");

    for (const CommandComparisonRow& row : CompareRS232Commands(record, stored))
        EXPECT_TRUE(MoveRS232RowToLibrary(record, stored, row));
    // NEW takes the first unnamed slot; OFF becomes an input, IN an output.
    auto expected = NewState();
    AddRS232Library(*expected, "ACME", "TV", "T1", {"ON:a", "NEW:n", "OFF:c?", "IN:y"});
    EXPECT_EQ(Described(stored), Described(expected->RS232Libraries.RS232Database()[0]));

    // Every slot named: nothing is added. A stored count no message holds
    // moves nothing either.
    for (int k = 0; k < RS232FileBlockClass::Commands; ++k)
        if (stored.CommandField(k).isBlank()) stored.Command(k, "X" + std::to_string(k));
    const std::string full = Described(stored);
    EXPECT_FALSE(MoveRS232RowToLibrary(record, stored, CommandComparisonRow{"ON", true, false, false}));
    state->RS232Libraries.RS232RecordBuffer.SetInt16(RS232LibraryRecord::MessageOffset(1), 40);
    EXPECT_FALSE(MoveRS232RowToLibrary(record, stored, CommandComparisonRow{"OFF", true, true, false}));
    EXPECT_EQ(Described(stored), full);
}

TEST(ComparisonRowLayout, RowsThatFillTheHeightExactlyAllShowAndOneMoreScrollsWithOneFewerInView)
{
    const struct {
        int available, rowHeight, rows;
        bool scroll;
        int inView, maximum, largeChange;
    } cases[] = {
        {4 * 32, 32, 4, false, 4, 0, 1}, {4 * 32, 32, 5, true, 3, 2, 1}, {392, 32, 0, false, 0, 0, 1},
        {392, 32, 12, false, 12, 0, 1},  {392, 32, 13, true, 12, 1, 1},  {392, 32, 30, true, 12, 18, 4},
        {392, 32, 27, true, 12, 15, 3},  {390, 32, 13, true, 12, 1, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.available) + " high, " + std::to_string(c.rows) + " rows");
        const ComparisonRowLayout layout = LayOutComparisonRows(c.available, c.rowHeight, c.rows);
        EXPECT_EQ(layout.ScrollBarShown, c.scroll);
        EXPECT_EQ(layout.RowsInView, c.inView);
        EXPECT_EQ(layout.ScrollMaximum, c.maximum);
        EXPECT_EQ(layout.LargeChange, c.largeChange);
    }
}
