#include "workspace/registry_codec.h"

#include "storage/numbers.h"
#include "storage/record_codec.h"
#include "storage/table_records.h"

#include <algorithm>
#include <array>

namespace lendora::registry {

using namespace Qt::StringLiterals;

QStringList projectHeadings() {
    return {u"#"_s, u"Project Name"_s, u"Product Name"_s, u"Brand Name"_s, u"Status"_s};
}

QStringList audienceHeadings() {
    return {u"#"_s, u"Definition"_s, u"Segments"_s};
}

QStringList planHeadings() {
    return {u"ID"_s,
            u"Basic Details ID"_s,
            u"Basic Details"_s,
            u"Target Audience ID"_s,
            u"Target Audience"_s,
            u"Poll Data "_s,
            u"Analysis Started?"_s};
}

QString statusText(ProjectStatus status) {
    switch (status) {
    case ProjectStatus::None:
        return QString();
    case ProjectStatus::KickOff:
        return u"KickOff"_s;
    case ProjectStatus::Active:
        return u"Active"_s;
    }
    return QString();
}

ProjectStatus parseStatus(QByteArrayView text) {
    if (text.isEmpty())
        return ProjectStatus::None;
    return text == "Active" ? ProjectStatus::Active : ProjectStatus::KickOff;
}

QString pollText(const PollCompletion& poll) {
    QString text;
    for (bool complete : poll.products)
        text += complete ? u'1' : u'0';
    return text;
}

PollCompletion parsePoll(QByteArrayView text) {
    PollCompletion poll;
    for (int k = 0; k < 3 && k < text.size(); ++k)
        poll.products[size_t(k)] = text[k] == '1';
    return poll;
}

QString analysedText(bool analysed) {
    return analysed ? u"Yes"_s : u"No"_s;
}

bool parseAnalysed(QByteArrayView text) {
    return text == "Yes";
}

namespace {

// The items of one record as spans of the file's bytes.
struct Items {
    const TextSource& source;
    std::array<ItemScanner::Span, planItems> spans;

    QString text(int i) const { return source.decode(spans[i].offset, spans[i].length); }
    // Statuses and flags are ASCII in either encoding: compared as bytes.
    QByteArrayView bytes(int i) const { return source.view(spans[i].offset, spans[i].length); }
    long long number(int i) const { return recordRow(source, spans[i]); }
};

// Reads records of k items. Every record read adds one slot, as it adds a
// row to a table; record r goes to slot r - 1 when that slot exists by then.
// Only the texts that are kept are decoded.
template <class T, class Make>
Slots<T> parse(const QByteArray& bytes, int itemCount, Make&& make) {
    Slots<T> entries;
    entries.reserve(size_t(lineFeeds(bytes)) + 1);
    const TextSource source(bytes);
    ItemScanner scanner(source.bytes());
    Items items{source, {}};
    while (!scanner.atEnd()) {
        bool complete = true;
        for (int i = 0; i < itemCount; ++i) {
            complete = complete && !scanner.atEnd();
            items.spans[size_t(i)] = complete ? scanner.next() : ItemScanner::Span{};
        }
        entries.emplace_back();
        const long long r = items.number(0);
        if (r >= 1 && r <= int(entries.size()))
            entries[size_t(r - 1)] = make(items);
    }
    return entries;
}

void writeProject(RecordWriter& writer, int number, const Project& p) {
    writer.whole(number);
    writer.text(p.name);
    writer.text(p.product);
    writer.text(p.brand);
    writer.text(statusText(p.status));
    writer.endRecord();
}

void writeAudience(RecordWriter& writer, int number, const Audience& a) {
    writer.whole(number);
    writer.text(a.definition);
    writer.text(a.segments);
    writer.endRecord();
}

void writePlan(RecordWriter& writer, int number, const Plan& p) {
    writer.whole(number);
    writer.text(p.project ? QString::number(p.project) : QString());
    writer.text(p.projectName);
    writer.text(p.audience ? QString::number(p.audience) : QString());
    writer.text(p.audienceName);
    writer.text(pollText(p.poll));
    writer.text(analysedText(p.analysed));
    writer.endRecord();
}

// An empty slot is a record of empty texts.
void writeEmpty(RecordWriter& writer, int number, int itemCount) {
    writer.whole(number);
    for (int i = 1; i < itemCount; ++i)
        writer.text(QString());
    writer.endRecord();
}

template <class T, class Write>
QByteArray bytesOf(const Slots<T>& entries, int itemCount, Write&& write) {
    RecordWriter writer;
    for (size_t i = 0; i < entries.size(); ++i) {
        if (entries[i])
            write(writer, int(i + 1), *entries[i]);
        else
            writeEmpty(writer, int(i + 1), itemCount);
    }
    return writer.take();
}

} // namespace

Slots<Project> parseProjects(const QByteArray& bytes) {
    return parse<Project>(bytes, projectItems, [](const Items& items) {
        return Project{items.text(1), items.text(2), items.text(3), parseStatus(items.bytes(4))};
    });
}

Slots<Audience> parseAudiences(const QByteArray& bytes) {
    return parse<Audience>(bytes, audienceItems, [](const Items& items) {
        return Audience{items.text(1), items.text(2)};
    });
}

namespace {
// The names of the plans' projects or audiences, by number: the plans name
// each project and audience many times over, and all of them share one text.
class SharedNames {
public:
    QString name(const Items& items, long long number, int item) {
        const QByteArrayView bytes = items.bytes(item);
        if (bytes.isEmpty())
            return QString();
        // Numbers beyond the registries of everyday use are decoded each time.
        if (number < 1 || number > 65536)
            return items.text(item);
        if (size_t(number) >= names_.size())
            names_.resize(size_t(number) + 1);
        Named& named = names_[size_t(number)];
        if (named.bytes != bytes) {
            named.bytes = bytes;
            named.text = items.text(item);
        }
        return named.text;
    }

private:
    struct Named {
        QByteArrayView bytes;
        QString text;
    };
    std::vector<Named> names_;
};
} // namespace

Slots<Plan> parsePlans(const QByteArray& bytes) {
    SharedNames projects, audiences;
    return parse<Plan>(bytes, planItems, [&](const Items& items) {
        Plan plan;
        plan.project = items.number(1);
        plan.projectName = projects.name(items, plan.project, 2);
        plan.audience = items.number(3);
        plan.audienceName = audiences.name(items, plan.audience, 4);
        plan.poll = parsePoll(items.bytes(5));
        plan.analysed = parseAnalysed(items.bytes(6));
        return plan;
    });
}

QByteArray projectsBytes(const Slots<Project>& projects) {
    return bytesOf(projects, projectItems, writeProject);
}

QByteArray audiencesBytes(const Slots<Audience>& audiences) {
    return bytesOf(audiences, audienceItems, writeAudience);
}

QByteArray plansBytes(const Slots<Plan>& plans) {
    return bytesOf(plans, planItems, writePlan);
}

QByteArray projectRecord(int number, const Project& project) {
    RecordWriter writer;
    writeProject(writer, number, project);
    return writer.take();
}

QByteArray audienceRecord(int number, const Audience& audience) {
    RecordWriter writer;
    writeAudience(writer, number, audience);
    return writer.take();
}

QByteArray flagBytes() {
    RecordWriter writer;
    writer.whole(1);
    writer.endRecord();
    return writer.take();
}

} // namespace lendora::registry
