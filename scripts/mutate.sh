#!/usr/bin/env bash
# Plants deliberate faults in the product code, one at a time, and counts how many the test suite
# catches. Each fault is a plausible slip: an off-by-one in a bound, a dropped reset, an inverted
# condition, a wrong constant of the file format. A fault counts as caught when the rebuilt suite
# fails; one that does not build is reported apart (it says nothing about the tests).
#
#   scripts/mutate.sh [BUILD_DIR] [PATTERN]
#
# BUILD_DIR (default build-mutate) is configured like test.sh's build; PATTERN keeps only the
# faults whose description matches it. The working tree is restored after each fault, also when
# the run is interrupted. MUTATE_DRY=1 only checks that every fault still applies.
set -uo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-mutate}
pattern=${2:-}

# description @@ file @@ text as it stands @@ text with the fault; the text as it stands may run
# over several lines, the fault's text may not.
faults=$(
    cat <<'FAULTS'
tree magic, one letter changed @@ storage/TreeFormat.h @@ "Lomvik Keyed Tree File @@ "Lomvik Keyed Tree Fils
payload checksum starts from another value @@ storage/TreePayloadReader.cpp @@ checksum ^= payload[i]; @@ checksum ^= payload[i] ^ 1;
payload name position bound off by one @@ storage/TreePayloadReader.cpp @@ static_cast<std::size_t>(position) >= m_names.size() @@ static_cast<std::size_t>(position) > m_names.size()
payload depth limit off by one @@ storage/TreePayloadReader.cpp @@ depth + 1 > TreeFormat::kMaxDepth @@ depth + 1 > TreeFormat::kMaxDepth + 1
node end marker confused with node start @@ storage/TreeFormat.h @@ kNodeEnd = 0xFE; @@ kNodeEnd = 0xFD;
value look-up takes the last of duplicates @@ storage/TreeNode.cpp @@ m_valuePositions.try_emplace( @@ m_valuePositions.insert_or_assign(
stale temporaries: digit count off by one @@ storage/TemporaryFile.cpp @@ kTemporaryDigits = 8; @@ kTemporaryDigits = 7;
save renames before the data is on disk @@ storage/TemporaryFilePosix.cpp @@ if (::fsync(m_fd) != 0) { @@ if (false) {
bank count limit off by one @@ model/QuestionBank.cpp @@ count > QuestionSchema::kMaxStoredQuestions @@ count >= QuestionSchema::kMaxStoredQuestions
bank takes the last duplicate question @@ model/QuestionBank.cpp @@ child.GetName() == QuestionSchema::kQuestion &&
            !children[static_cast<std::size_t>(index)] @@ child.GetName() == QuestionSchema::kQuestion
settings: stored position may pass the count @@ model/Settings.cpp @@ m_testPos <= m_testCount; @@ m_testPos <= m_testCount + 1;
settings: finished test still offered @@ model/Settings.cpp @@ // Every question has been asked: there is nothing to continue.
        m_bZOnlyNew = true; @@ // Every question has been asked: there is nothing to continue.
settings: learning position bound off by one @@ model/Settings.cpp @@ m_nULast >= bankSize @@ m_nULast > bankSize
settings: time used stored under another type @@ model/PersistedSettings.cpp @@ {"m_nTimeOver", StoredAsLong{&Settings::m_nTimeOver}}, @@ {"m_nTimeOver", &Settings::m_nTimeOver},
generator: wrong multiplier @@ modes/RandomGenerator.cpp @@ 214013u @@ 214011u
random index may reach the count @@ modes/RandomIndex.cpp @@ std::clamp<std::int64_t>(index, 0, count - 1) @@ std::clamp<std::int64_t>(index, 0, count)
compose: two shuffle passes @@ modes/ComposeTest.cpp @@ kShufflePasses = 3; @@ kShufflePasses = 2;
compose: the first block takes the rest @@ modes/ComposeTest.cpp @@ i == count - 1 ? step + rest : step @@ i == 0 ? step + rest : step
compose: simulated count may equal nothing @@ modes/ComposeTest.cpp @@ count < 1 || count > capacity @@ count < 0 || count > capacity
compose: used time not reset @@ modes/ComposeTest.cpp @@ settings.m_nTimeOver = 0; @@ // reset dropped
correction test keeps the old position @@ modes/CorrectionTest.cpp @@     settings.m_testPos = 0; @@     settings.m_testPos = settings.m_testPos;
exam: the last answer does not end the test @@ modes/ExamSession.cpp @@ if (m_settings.m_testPos >= m_settings.m_testCount) { @@ if (m_settings.m_testPos > m_settings.m_testCount) {
exam: a right answer is counted wrong @@ modes/ExamSession.cpp @@ if (answer == CorrectAnswer()) { @@ if (answer != CorrectAnswer()) {
exam: time-out leaves the rest uncounted @@ modes/ExamSession.cpp @@         CountRestAsWrong();
        m_settings.m_bZOnlyNew = true; @@         m_settings.m_bZOnlyNew = true;
exam: leaving does not store the time used @@ modes/ExamSession.cpp @@ m_settings.m_nTimeOver = int( @@ (void)int(
exam: the clock runs one second past the limit @@ modes/ExamSession.cpp @@ if (used < limit) { @@ if (used <= limit) {
exam: a time-out during the popup is lost @@ modes/ExamSession.cpp @@ m_bTimeOutPending = true; @@ m_bTimeOutPending = false;
learning: shows the wrong answer alone @@ modes/QuestionTexts.cpp @@ q.m_strText[std::size_t(q.m_nAnswer + 1)] @@ q.m_strText[std::size_t(q.m_nAnswer)]
learning: starts at the last question when asked for the first @@ modes/LearningNavigation.cpp @@ settings.m_nUZacatek != 0 && lastInBank @@ settings.m_nUZacatek == 0 && lastInBank
exam set-up: a count of 0 passes @@ modes/dialogs/ExamSettingsDialog.cpp @@ DDV_MinMaxInt(dx, m_nQuestionCount, 1, @@ DDV_MinMaxInt(dx, m_nQuestionCount, 0,
results: the right count shows the wrong count @@ modes/dialogs/ResultsDialog.cpp @@ "Správných odpovědí : %d", theSettings.m_rightCount @@ "Správných odpovědí : %d", theSettings.m_wrongCount
gradient runs the wrong way @@ ui/GradientDialog.cpp @@ LinearGradientModeVertical @@ LinearGradientModeHorizontal
FAULTS
)

if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DNAVIK_WERROR=ON >/dev/null
fi

saved=$(mktemp -d)
current=""
restore() {
    if [ -n "$current" ]; then
        cp "$saved/original" "$current"
        current=""
    fi
}
trap 'restore; rm -rf "$saved"; exit 130' INT TERM
trap 'restore; rm -rf "$saved"' EXIT

# A fault's texts may span lines: a record ends where a line holds its third "@@".
records=()
record=""
while IFS= read -r line; do
    record=${record:+$record$'\n'}$line
    rest=${record//[^@]/}
    if [ ${#rest} -ge 6 ]; then
        records+=("$record")
        record=""
    fi
done <<<"$faults"

tested=0
caught=0
unbuilt=0
survived=()
for record in "${records[@]}"; do
    what=${record%% @@ *}
    rest=${record#* @@ }
    file=${rest%% @@ *}
    rest=${rest#* @@ }
    old=${rest%% @@ *}
    new=${rest#* @@ }
    if [ -n "$pattern" ] && [[ "$what" != *$pattern* ]]; then
        continue
    fi
    if [ ! -f "$file" ]; then
        echo "MISSING   $what ($file)"
        unbuilt=$((unbuilt + 1))
        continue
    fi
    cp "$file" "$saved/original"
    current=$file
    if ! OLD=$old NEW=$new perl -0pi -e '$n = s/\Q$ENV{OLD}\E/$ENV{NEW}/g; END { exit($n == 1 ? 0 : 1) }' "$file"; then
        restore
        echo "NO MATCH  $what ($file)"
        unbuilt=$((unbuilt + 1))
        continue
    fi
    tested=$((tested + 1))
    if [ -n "${MUTATE_DRY:-}" ]; then
        echo "applies   $what"
    elif ! cmake --build "$build" -j"$(nproc)" >"$saved/build.log" 2>&1; then
        echo "NO BUILD  $what"
        unbuilt=$((unbuilt + 1))
        tested=$((tested - 1))
    elif ! (cd "$build" && QT_QPA_PLATFORM=offscreen ctest -L core -j"$(nproc)" --stop-on-failure --timeout 300 -Q) ||
        ! (cd "$build" && QT_QPA_PLATFORM=offscreen ctest -LE core -j"$(nproc)" --stop-on-failure --timeout 300 -Q); then
        echo "caught    $what"
        caught=$((caught + 1))
    else
        echo "SURVIVED  $what"
        survived+=("$what")
    fi
    restore
done

# Leave the build matching the restored sources.
[ -n "${MUTATE_DRY:-}" ] || cmake --build "$build" -j"$(nproc)" >/dev/null 2>&1

if [ -n "${MUTATE_DRY:-}" ]; then
    echo "$tested faults apply (${unbuilt} do not)"
    exit 0
fi
echo "caught $caught of $tested faults (${unbuilt} not applied or not built)"
[ ${#survived[@]} -eq 0 ] || printf 'survived: %s\n' "${survived[@]}"
