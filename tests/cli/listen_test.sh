#!/bin/bash
# Loopback links: FlightGear lines (a recorded fixture) and an NMEA $GPRMC sentence sent
# over 127.0.0.1 reach the instrument; the same fixture played as a file ends on its last line.
#   listen_test.sh RUNNER FIXTURE
runner=$1
fixture=$2
work=$(mktemp -d)
port=$((47000 + $$ % 1000))
nmea=$((port + 1000))
trap 'kill $sender 2>/dev/null; rm -rf "$work"' EXIT
fail=0
expect() {  # NAME WANT
    got=$(sed -n "s/^$1=//p" "$work/out")
    if [ "$got" = "$2" ]; then echo "ok   $1=$got"; else echo "FAIL $1=$got, expected $2"; fail=1; fi
}

# The sender repeats for up to 3 s, so lines sent before the runner listens do not matter;
# the fixture goes as one datagram of lines, whose last line is the newest.
(
    for _ in $(seq 60); do
        cat "$fixture" >/dev/udp/127.0.0.1/$port
        printf '$GPRMC,101500,A,5130.000,N,00010.000,W,062.3,270.0,010626,,*%s\r\n' 0D >/dev/udp/127.0.0.1/$nmea
        sleep 0.05
    done
) 2>/dev/null &
sender=$!
printf 'on\ncycle 80\nset FuelSpeedSource 1\nlisten udp %s\nlisten nmea %s\nsleep 500\nseconds 2\n' $port $nmea >"$work/live.v2s"
printf 'get Rpm\nget Airspeed\nget Volts\nget Oat\nget GpsSpeedKnots\n' >>"$work/live.v2s"
"$runner" "$work/live.v2s" >"$work/out" 2>"$work/err" || { echo "FAIL: runner stopped"; cat "$work/err"; exit 1; }
kill $sender 2>/dev/null
# 5320 rpm at 60 pulses per 10 revolutions and 100 ms: 266 pulses, 5320 rpm; 64.8 kt is
# 74.57 mph, shown as 74; 14.0 V; 14.1 C shown as 14; the RMC speed 62.3 kt as 62.
expect Rpm 5320
expect Airspeed 74
expect Volts 140
expect Oat 14
expect GpsSpeedKnots 62

printf 'on\ncycle 80\nplay %s\nseconds 2\nget Rpm\nget Airspeed\nget GpsSpeedKnots\n' "$fixture" >"$work/play.v2s"
"$runner" "$work/play.v2s" >"$work/out" 2>"$work/err" || { echo "FAIL: runner stopped"; cat "$work/err"; exit 1; }
expect Rpm 5320
expect Airspeed 74
expect GpsSpeedKnots 62
exit $fail
