#!/usr/bin/env bash
# The headless match: one line per period and a final line, the same lines
# for the same seed; a single ball launch prints its outcome.
#   matchsim.sh MATCHSIM
set -u
sim=$1
fail=0
die() { echo "matchsim test: $*"; fail=1; }

a=$("$sim" --ball-only --seed 7) || die "seed 7 failed"
b=$("$sim" --ball-only --seed 7) || die "seed 7 failed the second time"
[ "$a" = "$b" ] || die "same seed, different lines"
[ "$(echo "$a" | grep -c '^period ')" -eq 2 ] || die "not two periods: $a"
echo "$a" | grep -q '^period 0 frames 15000 goals [0-9]* corners [0-9]* goalkicks [0-9]* throwins [0-9]*$' ||
  die "bad first period line: $a"
echo "$a" | grep -q '^final score [0-9]*-[0-9]* shootout 0-0 frames 30000 ' || die "bad final line: $a"
# The final line's goals add up the periods' and agree with the score.
echo "$a" | awk '/^period/ { g += $6 } /^final/ { split($3, s, "-"); if ($9 != g || s[1] + s[2] != g) bad = 1 }
  END { exit bad }' || die "goals do not add up: $a"

# The ball alone still goes out of play now and then.
echo "$a" | awk '/^final/ { if ($11 + $13 + $15 == 0) bad = 1 } END { exit bad }' || die "no restarts: $a"

# A shorter match, extra time and a shoot-out when level.
c=$("$sim" --ball-only --seed 7 --length 1 --extra-time --shootout) || die "extra-time match failed"
echo "$c" | grep -q '^period 1 frames 3000 ' || die "length 1 does not give 3000 frames: $c"

l=$("$sim" --launch 796,1082,0,0,-400000,0) || die "launch failed"
echo "$l" | grep -q '^launch frame [0-9]* outcome [a-z-]* spot -\?[0-9]*,-\?[0-9]* possession [01] ' ||
  die "bad launch line: $l"

"$sim" --launch 1,2,3 >/dev/null 2>&1 && die "a short launch list is accepted"
"$sim" >/dev/null 2>&1 && die "no mode is accepted"
"$sim" --seed 3 --objects 9,1 >/dev/null 2>&1 && die "a sixth period is accepted"

# The match with the players: the same seed plays the same replay frames.
r=$("$sim" --seed 3 --length 1) || die "real match failed: $r"
r2=$("$sim" --seed 3 --length 1) || die "real match failed the second time"
[ "$r" = "$r2" ] || die "same seed, different lines and replay frames"
[ "$(echo "$r" | grep -c '^period ')" -eq 2 ] || die "not two periods: $r"
echo "$r" | grep -q '^period 0 frames [0-9]* lineup [0-9]* kickoffs [0-9]* throwins [0-9]* goalkicks [0-9]* corners [0-9]* goals [0-9]* restarts [0-9]* takes [0-9]* [0-9]* replay [0-9a-f]*$' ||
  die "bad period line: $r"
# Each half is lined up and kicked off, its restarts are taken and both sides have the ball; the match has restarts.
echo "$r" | awk '/^period/ { if ($6 < 1 || $8 < 1 || $18 + 1 < $10 + $12 + $14 || $20 + $21 < 1) bad = 1; n += $10 + $12 + $14 }
  END { exit bad || n < 1 }' || die "the restarts do not cycle: $r"
# The goals of the periods agree with the score.
echo "$r" | awk '/^period/ { g += $16 } /^final/ { split($3, s, "-"); if (s[1] + s[2] != g) bad = 1 } END { exit bad }' ||
  die "goals do not add up: $r"
# At the line-up frame the state waits for the kick-off whistle and every
# starter in the restart wait (code 3) stands within 5 of his point.
f=$(echo "$r" | awk '/^period 0/ { print $6 }')
o=$("$sim" --seed 3 --length 1 --objects 0,"$f") || die "objects failed"
echo "$o" | grep -q "^frame period 0 frame $f state 29 " || die "not lined up at $f: $(echo "$o" | head -1)"
echo "$o" | awk '/^object/ && $2 < 32 && $18 == 0 && $4 == 3 {
    split($10, t, ","); dx = $6 - t[1]; dy = $8 - t[2]; if (dx < 0) dx = -dx; if (dy < 0) dy = -dy
    if (dx + dy > 5) { print; bad = 1 } } END { exit bad }' ||
  die "a starter is not standing at his point"
[ "$(echo "$o" | awk '/^object/ && $2 < 32 && $18 == 0' | wc -l)" -eq 22 ] || die "not 22 starters"
# The commentary: every line said with its game clock, the same lines for the
# same seed, both halves started and ended, and the goals logged as scored.
k=$("$sim" --seed 1 --commentary) || die "commentary match failed"
k2=$("$sim" --seed 1 --commentary) || die "commentary match failed the second time"
[ "$k" = "$k2" ] || die "same seed, different commentary"
[ "$(echo "$k" | grep -cE '^[0-9][0-9]:[0-5][0-9] .')" -ge 20 ] || die "too little commentary: $k"
echo "$k" | grep -qE '^00:00 ' || die "nothing said at the kick-off: $k"
echo "$k" | grep -qE '^45:00 ' || die "nothing said at half time: $k"
echo "$k" | grep -qE '^90:00 ' || die "nothing said at full time: $k"
echo "$k" | awk '/^log goal/ { g[$8]++ } /^final/ { split($3, s, "-"); if (s[1] != g[0] + 0 || s[2] != g[1] + 0) bad = 1 }
  END { exit bad }' || die "the logged goals are not the score: $k"
# One line per side with its counts, after the periods and before the score;
# the goals agree with the score; no player is left in a code out of range.
[ "$(echo "$r" | grep -c '^side [01] shots [0-9]* ontarget [0-9]* passes [0-9]* completed [0-9]* crosses [0-9]* tackles [0-9]* fouls [0-9]* cards [0-9]* offsides [0-9]* goals [0-9]*$')" -eq 2 ] ||
  die "bad side lines: $r"
echo "$r" | awk '/^side/ { g[$2] = $22; if ($6 > $4 || $10 > $8) bad = 1 }
  /^final/ { split($3, s, "-"); if (s[1] != g[0] || s[2] != g[1]) bad = 1 } END { exit bad }' ||
  die "the side lines do not agree with the score: $r"
e=$("$sim" --seed 5 --length 1 2>&1) || die "seed 5 failed"
echo "$e" | grep -q "out of range" && die "an action out of range: $e"
# The invented sides still play.
i=$("$sim" --seed 3 --length 1 --standin) || die "the invented sides failed"
[ "$(echo "$i" | grep -c '^period ')" -eq 2 ] || die "not two periods with the invented sides: $i"
echo "$i" | grep -q '^teams ' && die "the invented sides name world clubs: $i"
echo "$r" | grep -q '^teams [^ ]* v [^ ]* rating [0-9]* [0-9]*$' || die "no world clubs named: $r"
# Under cup rules a level match goes to extra time (two more periods), and a
# shoot-out is played (and shown on the final line) when still level.
et=0
for s in $(seq 1 12); do
  c=$("$sim" --seed "$s" --length 1 --cup) || die "cup match $s failed"
  if echo "$c" | grep -q '^period 2 '; then
    et=1
    echo "$c" | grep -q '^period 3 ' || die "extra time of one period: $c"
  fi
  if echo "$c" | grep -q '^period 4 '; then
    echo "$c" | grep -q '^final score [0-9]*-[0-9]* shootout [0-9]*-[0-9]*$' || die "a shoot-out not on the final line: $c"
  fi
done
[ $et -eq 1 ] || die "no cup match of seeds 1-12 went to extra time"
# Seeds differ.
r3=$("$sim" --seed 4 --length 1) || die "seed 4 failed"
[ "$r" != "$r3" ] || die "two seeds play the same match"
exit $fail
