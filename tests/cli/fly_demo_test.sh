#!/bin/bash
# The demo flights played headless against what their files say.
#   fly_demo_test.sh RUNNER FLIGHTS_DIR
# circuit.csv: exactly one flight-log entry whose flight time, maximum altitude and maximum
# airspeed match the file (one fraction, one sensor step), the Hobbs meter advanced by the
# engine-running time and the fuel total by the integral of the fuel flow (within 2 %).
# cross-country.csv: the fuel alarm is off a minute before the tank holds less than the
# 10 l alarm level and on a minute after.
runner=$1
flights=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail=0
check() {  # NAME GOT WANT TOLERANCE
    if awk -v g="$2" -v w="$3" -v t="$4" 'BEGIN { d = g - w; exit !(d <= t && -d <= t) }'; then
        echo "ok   $1: $2 (file: $3, tolerance $4)"
    else
        echo "FAIL $1: $2, the file says $3 (tolerance $4)"; fail=1
    fi
}
value() { sed -n "s/^$1=//p" "$work/out"; }

# The file sampled every 50 ms (linear between rows), as the player steps it.
sample() {
    awk -F, '
        /^#/ || NF == 0 { next }
        !head { for (i = 1; i <= NF; i++) col[$i] = i; head = 1; next }
        { n++; for (i = 1; i <= NF; i++) v[n, i] = $i }
        END {
            ia = col["ias_kt"]; al = col["altitude_ft"]; rp = col["rpm"]; fl = col["fuel_flow_lph"]
            for (k = 1; k < n; k++) {
                t0 = v[k, 1]; t1 = v[k + 1, 1]
                for (t = (k == 1 ? t0 : t0 + 0.05); t <= t1 + 1e-9; t += 0.05) {
                    f = t1 > t0 ? (t - t0) / (t1 - t0) : 1
                    printf "%.2f", t
                    split(ia " " al " " rp " " fl, c, " ")
                    for (j = 1; j <= 4; j++) printf " %.4f", v[k, c[j]] + (v[k + 1, c[j]] - v[k, c[j]]) * f
                    printf "\n"
                }
            }
        }' "$1"
}

printf 'clock 2026-06-01 10:00:00\non\nset FlightDetect 1\nplay %s\n' "$flights/circuit.csv" >"$work/circuit.v2s"
for v in FlightLogIndex InFlight CurrentFlight.FlightHours CurrentFlight.FlightFraction CurrentFlight.MaxAltitude \
         CurrentFlight.MaxAirspeed HobbsHours HobbsFraction FuelUsedPulses KFactor; do
    echo "get $v" >>"$work/circuit.v2s"
done
"$runner" "$work/circuit.v2s" >"$work/out" || { echo "FAIL: the runner stopped"; exit 1; }

# Take-off at 30 mph (26.07 kt), landing 30 s after the airspeed falls below it again.
sample "$flights/circuit.csv" | awk '
    { if ($2 * 1.150779 >= 30) { if (!up) up = $1; down = $1 }
      if ($2 > ias) ias = $2; if ($3 > alt) alt = $3
      if ($4 >= 1000) engine += 0.05; fuel += $5 * 0.05 / 3600 }
    END { printf "flight_min=%d\nmax_alt=%d\nmax_mph=%.2f\nengine_min=%.2f\nfuel_l=%.4f\n",
                 (down + 30 - up) / 60, alt, ias * 1.150779, engine / 60, fuel }' >"$work/file"
file() { sed -n "s/^$1=//p" "$work/file"; }

check "flight-log entries opened" "$(value FlightLogIndex)" 1 0
check "flight ended" "$(value InFlight)" 0 0
check "flight time, minutes" "$(( $(value CurrentFlight.FlightHours) * 60 + $(value CurrentFlight.FlightFraction) ))" "$(file flight_min)" 1
check "maximum altitude, ft" "$(value CurrentFlight.MaxAltitude)" "$(file max_alt)" 35
check "maximum airspeed, mph" "$(value CurrentFlight.MaxAirspeed)" "$(file max_mph)" 1
check "Hobbs, minutes" "$(( $(value HobbsHours) * 60 + $(value HobbsFraction) ))" "$(file engine_min)" 1
fuel=$(awk -v p="$(value FuelUsedPulses)" -v k="$(value KFactor)" 'BEGIN { printf "%.4f", p / k }')
check "fuel total, litres" "$fuel" "$(file fuel_l)" "$(awk -v f="$(file fuel_l)" 'BEGIN { print f * 0.02 }')"

# Cross-country: the time the tank falls below 10 l, then the flight cut a minute before and
# a minute after it (time, flow and fuel columns only), played one after the other.
cut_flight() {  # FROM TO: rows between, with the values at FROM and TO interpolated
    awk -F, -v a="$1" -v b="$2" '
        /^#/ || NF == 0 { next }
        !head { for (i = 1; i <= NF; i++) col[$i] = i; head = 1; print "time_s,fuel_flow_lph,fuel_l"; next }
        { t = $1; ff = $col["fuel_flow_lph"]; fu = $col["fuel_l"]
          if (n) for (x = 0; x < 2; x++) { e = x ? b : a
              if (pt < e && t > e) { f = (e - pt) / (t - pt); printf "%g,%g,%g\n", e, pf + (ff - pf) * f, pu + (fu - pu) * f } }
          if (t >= a && t <= b) print t "," ff "," fu
          n++; pt = t; pf = ff; pu = fu }' "$flights/cross-country.csv"
}
alarm=$(awk -F, '/^#/ || NF == 0 { next } !head { for (i = 1; i <= NF; i++) col[$i] = i; head = 1; next }
    { if (n && pu >= 10 && $col["fuel_l"] < 10) { printf "%.1f", pt + ($1 - pt) * (pu - 10) / (pu - $col["fuel_l"]); exit }
      n++; pt = $1; pu = $col["fuel_l"] }' "$flights/cross-country.csv")
cut_flight 0 "$(awk -v t="$alarm" 'BEGIN { print t - 60 }')" >"$work/before.csv"
cut_flight "$(awk -v t="$alarm" 'BEGIN { print t - 60 }')" "$(awk -v t="$alarm" 'BEGIN { print t + 60 }')" >"$work/after.csv"
printf 'on\nplay %s\nget FuelLevel\nget AlarmFlags\nplay %s\nget FuelLevel\nget AlarmFlags\n' \
    "$work/before.csv" "$work/after.csv" >"$work/xc.v2s"
"$runner" "$work/xc.v2s" >"$work/out" || { echo "FAIL: the runner stopped"; exit 1; }
echo "cross-country: the file's tank holds 10 l at ${alarm} s"
levels=$(sed -n 's/^FuelLevel=//p' "$work/out" | tr '\n' ' ')
flags=$(sed -n 's/^AlarmFlags=//p' "$work/out" | tr '\n' ' ')
check "fuel level a minute before" "$(echo $levels | cut -d' ' -f1)" 10 0
check "fuel alarm a minute before" "$(( $(echo $flags | cut -d' ' -f1) & 4 ))" 0 0
check "fuel level a minute after" "$(echo $levels | cut -d' ' -f2)" 9 0
check "fuel alarm a minute after" "$(( $(echo $flags | cut -d' ' -f2) & 4 ))" 4 0
exit $fail
