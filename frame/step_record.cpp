#include "step_record.h"

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace {

using Kind = StepEvent::Kind;

// Thrown by the hook that would start one step too many; ends the run.
struct StepsCapped {};

enum class Role { test, outcome, alone, counted };

Role role_of(const StepEvent& event) {
    switch (event.kind) {
        case Kind::turn:
        case Kind::divide: return Role::test;
        case Kind::push:
        case Kind::pop: return Role::outcome;
        case Kind::mark: return static_cast<StepMark>(event.detail) == StepMark::tested ? Role::test : Role::outcome;
        case Kind::edge: {
            const auto edge = static_cast<StepEdge>(event.detail);
            return edge == StepEdge::accepted || edge == StepEdge::bridge ? Role::outcome : Role::test;
        }
        case Kind::unseen_turns: return Role::counted;
        default: return Role::alone;
    }
}

// The shortest text that reads back as the same float.
std::string number(float value) {
    char text[32];
    for (int digits = 6; digits <= 9; ++digits) {
        std::snprintf(text, sizeof text, "%.*g", digits, static_cast<double>(value));
        if (std::strtof(text, nullptr) == value) break;
    }
    return text;
}

std::string at(const Point& p) {
    std::string text = "(";
    text.append(number(p.x)).append(", ").append(number(p.y)).append(")");
    return text;
}

std::string path(const Point& a, const Point& b) { return at(a) + " -> " + at(b); }

// What a turn test found.
const char* verdict(int sign) {
    return sign > 0 ? "skretanje ulevo" : sign < 0 ? "skretanje udesno" : "tacke na jednoj pravoj";
}

bool in_chain(std::optional<StepPhase> phase) {
    return phase == StepPhase::upper_chain || phase == StepPhase::lower_chain;
}
bool in_wrap(std::optional<StepPhase> phase) { return phase == StepPhase::wrap; }

std::string onto(std::optional<StepPhase> phase) {
    return in_chain(phase) ? "dodata na lanac" : in_wrap(phase) ? "dodata omotacu" : "stavljena na stek";
}
std::string off(std::optional<StepPhase> phase) {
    return in_chain(phase) ? "skinuta sa lanca" : in_wrap(phase) ? "skinuta sa omotaca" : "skinuta sa steka";
}

const char* phase_words(StepPhase phase) {
    switch (phase) {
        case StepPhase::upper_chain: return "gornji lanac, prolaz s leva na desno";
        case StepPhase::lower_chain: return "donji lanac, prolaz s desna na levo";
        case StepPhase::angular_sort: return "redjanje tacaka po uglu oko pivota";
        case StepPhase::stack_pass: return "prolaz sa stekom po uredjenim tackama";
        case StepPhase::wrap: return "obilazak omotaca od temena do temena";
        case StepPhase::groups: return "omotaci grupa tacaka";
        case StepPhase::split: return "podela tacaka pravom";
        case StepPhase::pairs: return "svaki uredjeni par tacaka proverava se kao ivica";
    }
    return "";
}

std::string mark_words(const Point& p, StepMark mark) {
    switch (mark) {
        case StepMark::tested: return "proverava se tacka " + at(p);
        case StepMark::discarded: return "tacka " + at(p) + " odbacena, nije teme";
        case StepMark::pivot: return "pivot je tacka " + at(p);
        case StepMark::farthest: return "najdalja tacka je " + at(p);
        case StepMark::rejecting: return "tacka " + at(p) + " je desno od njega";
        case StepMark::tangent: return "tangenta dodiruje grupu u tacki " + at(p);
        case StepMark::vertex: return "tacka " + at(p) + " je teme omotaca";
    }
    return "";
}

std::string edge_words(const Point& a, const Point& b, StepEdge edge) {
    switch (edge) {
        case StepEdge::pair: return "par " + path(a, b);
        case StepEdge::candidate: return "kandidat za sledecu ivicu: " + path(a, b);
        case StepEdge::current: return "ivica " + path(a, b) + ", trazi se najdalja tacka van nje";
        case StepEdge::bridge: return "most preko prave podele: " + path(a, b);
        case StepEdge::accepted: return "ivica omotaca: " + path(a, b);
    }
    return "";
}

}  // namespace

void StepLog::record(Recorded recorded, const Point* points, Point* hull, std::int32_t n) {
    try {
        recorded(points, hull, n, *this);
    } catch (const StepsCapped&) {
        capped_ = true;
    }
}

void StepLog::add(const StepEvent& event) {
    const Role role = role_of(event);
    if (role != Role::counted) {
        const bool joins = role == Role::outcome && test_open_;
        if (!joins) {
            if (steps() == kMostSteps) throw StepsCapped{};
            firsts_.push_back(static_cast<std::int32_t>(events_.size()));
        }
        test_open_ = !joins && role == Role::test;
    }
    events_.push_back(event);
}

void StepLog::phase(StepPhase phase) { add({.kind = Kind::phase, .detail = static_cast<std::uint8_t>(phase)}); }

void StepLog::push(const Point& p) {
    any_stack_ = true;
    add({.kind = Kind::push, .a = p});
}

void StepLog::pop(const Point& p) {
    any_stack_ = true;
    add({.kind = Kind::pop, .a = p});
}

void StepLog::turn(const Point& a, const Point& b, const Point& c, int sign) {
    add({.kind = Kind::turn, .sign = static_cast<std::int8_t>((sign > 0) - (sign < 0)), .a = a, .b = b, .c = c});
}

void StepLog::mark(const Point& p, StepMark mark) {
    add({.kind = Kind::mark, .detail = static_cast<std::uint8_t>(mark), .a = p});
}

void StepLog::edge(const Point& a, const Point& b, StepEdge edge) {
    add({.kind = Kind::edge, .detail = static_cast<std::uint8_t>(edge), .a = a, .b = b});
}

void StepLog::divide(float x) { add({.kind = Kind::divide, .a = Point{x, 0.0f}}); }

void StepLog::polygon(const Point* vertices, std::int32_t count) {
    const auto first = static_cast<std::int64_t>(pool_.size());
    pool_.insert(pool_.end(), vertices, vertices + count);
    add({.kind = Kind::polygon, .count = first, .size = count});
}

void StepLog::unseen_turns(std::int64_t count) { add({.kind = Kind::unseen_turns, .count = count}); }

void StepLog::candidates(const Point* points, std::int32_t n, const HullCandidates& marks) {
    const auto first = static_cast<std::int64_t>(pool_.size());
    for (std::int32_t i = 0; i < n; ++i) {
        const std::uint64_t bit = std::uint64_t{1} << (i % 64);
        if (((marks.upper[i / 64] | marks.lower[i / 64]) & bit) == 0) pool_.push_back(points[i]);
    }
    add({.kind = Kind::candidates, .count = first, .size = static_cast<std::int32_t>(pool_.size() - first)});
}

StepState StepLog::state_after(std::int32_t step) const {
    StepState state;
    const std::int32_t own = firsts_[static_cast<std::size_t>(step)];
    const std::size_t end = step + 1 < steps() ? static_cast<std::size_t>(firsts_[static_cast<std::size_t>(step) + 1])
                                               : events_.size();
    // Polygons stay drawn through later phases (Chan's group hulls through
    // the wrap) until a phase draws polygons of its own.
    bool new_polygons_replace = false;
    for (std::size_t i = 0; i < end; ++i) {
        const StepEvent& e = events_[i];
        const bool this_step = static_cast<std::int32_t>(i) >= own;
        const auto pooled = [&] {
            const auto from = pool_.begin() + e.count;
            return std::vector<Point>(from, from + e.size);
        };
        switch (e.kind) {
            case Kind::phase:
                state.phase = static_cast<StepPhase>(e.detail);
                state.earlier = std::move(state.stack);
                state.stack.clear();
                state.dropped.clear();
                new_polygons_replace = true;
                state.candidate.reset();
                state.current.reset();
                state.divide.reset();
                break;
            case Kind::push:
                state.stack.push_back(e.a);
                ++state.pushes;
                break;
            case Kind::pop:
                if (!state.stack.empty()) state.stack.pop_back();
                state.dropped.push_back(e.a);
                ++state.pops;
                break;
            case Kind::turn:
                ++state.turns;
                if (this_step) {
                    state.turn = {e.a, e.b, e.c};
                    state.turn_sign = e.sign;
                }
                break;
            case Kind::mark:
                switch (static_cast<StepMark>(e.detail)) {
                    case StepMark::discarded: state.discarded.push_back(e.a); break;
                    case StepMark::pivot: state.pivots.push_back(e.a); break;
                    case StepMark::vertex: state.vertices.push_back(e.a); break;
                    default:
                        if (this_step) state.marked.emplace_back(e.a, static_cast<StepMark>(e.detail));
                }
                break;
            case Kind::edge:
                switch (static_cast<StepEdge>(e.detail)) {
                    case StepEdge::pair:
                        if (this_step) state.pair = ShownEdge{e.a, e.b};
                        break;
                    case StepEdge::candidate: state.candidate = ShownEdge{e.a, e.b}; break;
                    case StepEdge::current: state.current = ShownEdge{e.a, e.b}; break;
                    case StepEdge::bridge: state.bridges.push_back({e.a, e.b}); break;
                    case StepEdge::accepted: state.accepted.push_back({e.a, e.b}); break;
                }
                break;
            case Kind::divide: state.divide = e.a.x; break;
            case Kind::polygon:
                if (new_polygons_replace) state.polygons.clear();
                new_polygons_replace = false;
                state.polygons.push_back(pooled());
                break;
            case Kind::unseen_turns: state.turns += e.count; break;
            case Kind::candidates: {
                const std::vector<Point> left_out = pooled();
                state.discarded.insert(state.discarded.end(), left_out.begin(), left_out.end());
                break;
            }
        }
    }
    return state;
}

std::string StepLog::event_words(const StepEvent& e, std::optional<StepPhase> phase) const {
    switch (e.kind) {
        case Kind::phase: return phase_words(static_cast<StepPhase>(e.detail));
        case Kind::push: return "tacka " + at(e.a) + " " + onto(phase);
        case Kind::pop: return "tacka " + at(e.a) + " " + off(phase);
        case Kind::turn: return path(e.a, e.b) + " -> " + at(e.c) + ": " + verdict(e.sign);
        case Kind::mark: return mark_words(e.a, static_cast<StepMark>(e.detail));
        case Kind::edge: return edge_words(e.a, e.b, static_cast<StepEdge>(e.detail));
        case Kind::divide: return "prava podele x = " + number(e.a.x);
        case Kind::polygon: return "omotac grupe sa " + std::to_string(e.size) + " temena";
        case Kind::candidates:
            return "izbor kandidata: tacaka van oba lanca, koje nisu temena: " + std::to_string(e.size);
        case Kind::unseen_turns: break;
    }
    return "";
}

std::string StepLog::words(std::int32_t step) const {
    const auto first = static_cast<std::size_t>(firsts_[static_cast<std::size_t>(step)]);
    const std::size_t end = step + 1 < steps() ? static_cast<std::size_t>(firsts_[static_cast<std::size_t>(step) + 1])
                                               : events_.size();
    std::optional<StepPhase> phase;
    for (std::size_t i = first + 1; i-- > 0;) {
        if (events_[i].kind == Kind::phase) {
            phase = static_cast<StepPhase>(events_[i].detail);
            break;
        }
    }
    const StepEvent* test = &events_[first];
    const StepEvent* outcome = nullptr;
    for (std::size_t i = first + 1; i < end; ++i) {
        if (events_[i].kind != Kind::unseen_turns) outcome = &events_[i];
    }
    std::string text;
    if (outcome == nullptr) {
        text = event_words(*test, phase);
    } else if (test->kind == Kind::turn && outcome->kind == Kind::pop) {
        text = "tacka " + at(outcome->a) + " odbacena, " + verdict(test->sign);
    } else if (test->kind == Kind::turn && outcome->kind == Kind::push) {
        text = "tacka " + at(outcome->a) + " " + onto(phase) + ", " + verdict(test->sign);
    } else if (test->kind == Kind::edge && static_cast<StepEdge>(test->detail) == StepEdge::pair) {
        text = outcome->kind == Kind::mark ? "par " + path(test->a, test->b) + " nije ivica: tacka " + at(outcome->a) +
                                                 " je desno od njega"
                                           : "par " + path(test->a, test->b) +
                                                 " je ivica omotaca: nijedna tacka nije desno od njega";
    } else {
        text = event_words(*test, phase) + "; " + event_words(*outcome, phase);
    }
    return "korak " + std::to_string(step + 1) + "/" + std::to_string(steps()) + ": " + text;
}

std::string StepLog::count_words(const StepState& state, std::int32_t step) const {
    std::string text = "testova skretanja: " + std::to_string(state.turns);
    if (any_stack_) {
        text += ", stavljanja na stek: " + std::to_string(state.pushes) +
                ", skidanja sa steka: " + std::to_string(state.pops);
    }
    if (step + 1 < steps()) return text;
    if (capped_) {
        return "snimanje je stalo posle " + std::to_string(kMostSteps) + " koraka (vise se ne cuva); do tada " + text;
    }
    return "kraj rada, ukupno " + text;
}

std::string StepLog::summary() const {
    if (steps() == 0) return "Algoritam nije javio nijedan korak.";
    const std::string counts = count_words(state_after(steps() - 1), steps() - 1);
    return "Snimljen rad algoritma u " + std::to_string(steps()) + " koraka: " + counts + ".";
}

void report_steps(const StepLog& log) {
    if (isatty(STDOUT_FILENO) == 0) return;
    std::printf("%s\n", log.summary().c_str());
    std::fflush(stdout);
}
