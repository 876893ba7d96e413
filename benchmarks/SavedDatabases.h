#pragma once

// The databases as a user's editor holds them: written to the files of a
// program folder in the order another computer saved them, not the order
// this editor sorts them in, and read from there at their first use.

#include "DatabaseBenchmarkSupport.h"
#include "PlainTree.h"
#include "model/ApplicationState.h"

#include <algorithm>
#include <map>
#include <memory>
#include <numeric>
#include <random>
#include <string>
#include <vector>

namespace DatabaseBenchmark {

// Each database with the same number of entries: fifty IR and RS232
// libraries a manufacturer in seven types, twenty projector definitions a
// manufacturer, as makers of projectors are fewer, and eight commands an
// IR library.
class SavedDatabases {
public:
    static constexpr int IRCommandsPerLibrary = 8;

    explicit SavedDatabases(int entries) : entries_(entries)
    {
        ApplicationState writer(folder_.path(), prompts_);
        // A fixed seed: every run reads the same files.
        std::vector<int> order(static_cast<std::size_t>(entries));
        std::iota(order.begin(), order.end(), 0);
        std::shuffle(order.begin(), order.end(), std::mt19937(33));
        const int manufacturers = std::max(1, entries / 50);
        for (int e : order) {
            const std::string manufacturer = "MAKER" + std::to_string(e % manufacturers);
            const std::string type = "TYPE" + std::to_string(e % 7);
            const std::string model = "MODEL" + std::to_string(e);

            writer.Projectors.AddProjectorDefinition();
            ProjectorClass& definition =
                writer.Projectors.ProjectorDatabase()[writer.Projectors.ProjectorDatabase().LastIndex()];
            definition.Manufacturer("MAKER" + std::to_string(e / 20));
            definition.Model(model);
            definition.Notes("a definition of the benchmark");

            writer.RS232Libraries.AddRS232Library();
            RS232FileBlockClass& library =
                writer.RS232Libraries.RS232Database()[writer.RS232Libraries.RS232Database().LastIndex()];
            library.Manufacturer(manufacturer);
            library.MyType(type);
            library.Model(model);
            library.Notes("a library of the benchmark");

            IRclass& ir = writer.IR.AddIRLibrary();
            ir.Manufacturer(manufacturer);
            ir.IRtype(type);
            ir.Model(model);
            ir.Comment("a library of the benchmark");
            for (int c = 0; c < IRCommandsPerLibrary; ++c) ir.AddIRCommand().Name("KEY " + std::to_string(c));
        }
        writer.Projectors.SaveProjectorDatabase();
        writer.RS232Libraries.SaveRS232Database();
        writer.IR.SaveIRDatabase();

        // The plain trees' texts, in the order the editor holds the entries once read.
        ApplicationState reader(folder_.path(), prompts_);
        const auto& projectors = reader.Projectors.ProjectorDatabase();
        for (int i = 0; i < projectors.Count(); ++i)
            projectorTexts_.push_back({TrimmedText(projectors[i].ManufacturerField().view()),
                                       TrimmedText(projectors[i].ModelField().view()),
                                       {}});
        const auto& rs232 = reader.RS232Libraries.RS232Database();
        for (int i = 0; i < rs232.Count(); ++i)
            rs232Texts_.push_back(
                {TrimmedText(rs232[i].Manufacturer()), TrimmedText(rs232[i].MyType()), TrimmedText(rs232[i].Model())});
        const auto& ir = reader.IR.IRDatabase();
        for (int i = 0; i < ir.Count(); ++i)
            irTexts_.push_back({TrimmedText(ir[i].ManufacturerField().view()), TrimmedText(ir[i].IRtypeField().view()),
                                TrimmedText(ir[i].ModelField().view())});
        if (projectors.Count() != entries || rs232.Count() != entries || ir.Count() != entries)
            throw std::runtime_error("the saved databases did not read whole");
    }
    SavedDatabases(const SavedDatabases&) = delete;
    SavedDatabases& operator=(const SavedDatabases&) = delete;

    int Entries() const { return entries_; }
    const std::filesystem::path& Folder() const { return folder_.path(); }
    SilentPrompts& Prompts() { return prompts_; }
    // A state as the editor's at start-up: no database read yet.
    std::unique_ptr<ApplicationState> FreshState() { return std::make_unique<ApplicationState>(Folder(), prompts_); }

    // Manufacturer and model; manufacturer, type and model for the libraries.
    const TreeTexts& ProjectorTexts() const { return projectorTexts_; }
    const TreeTexts& RS232Texts() const { return rs232Texts_; }
    const TreeTexts& IRTexts() const { return irTexts_; }

private:
    ScratchFolder folder_;
    SilentPrompts prompts_;
    int entries_;
    TreeTexts projectorTexts_;
    TreeTexts rs232Texts_;
    TreeTexts irTexts_;
};

// A program folder holding copies of the saved files, for what saves its
// database there: the files the saves replace are the copies, never the
// files every run reads.
class SavedDatabasesCopy {
public:
    explicit SavedDatabasesCopy(const SavedDatabases& saved) : SavedDatabasesCopy(saved.Folder()) {}
    // The saved files of that folder, as a process of its own finds them.
    explicit SavedDatabasesCopy(const std::filesystem::path& saved)
    {
        for (const char* name : {"Projectors.DEF", "RS232Serials.DEF", "InfraRed.DEF"})
            std::filesystem::copy_file(saved / name, folder_.path() / name);
    }
    const std::filesystem::path& Folder() const { return folder_.path(); }

private:
    ScratchFolder folder_;
};

// The saved databases of each size, written at their first use and kept
// for the whole run.
class SavedDatabasesBySize {
public:
    SavedDatabases& Of(int entries)
    {
        std::unique_ptr<SavedDatabases>& saved = bySize_[entries];
        if (!saved) saved = std::make_unique<SavedDatabases>(entries);
        return *saved;
    }

private:
    std::map<int, std::unique_ptr<SavedDatabases>> bySize_;
};

}  // namespace DatabaseBenchmark
