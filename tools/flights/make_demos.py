#!/usr/bin/env python3
"""Writes the demo flights in assets/flights/ from their key points.

Each flight is a list of key points (time and the values that change there); the fuel in
the tank is the starting fuel less the integral of the fuel flow, so the level and the flow
agree. Rows between key points are interpolated by the player itself.
"""
import os

COLUMNS = ["time_s", "altitude_ft", "ias_kt", "vsi_fpm", "rpm", "fuel_flow_lph", "fuel_l",
           "volts", "oat_c", "gps_speed_kt"]

# Field at 500 ft, a light two-seater: idle 1400 rpm, cruise 4800 rpm, 65 kt.
GROUND = dict(altitude_ft=500, ias_kt=0, vsi_fpm=0, rpm=0, fuel_flow_lph=0, volts=12.4, oat_c=15,
              gps_speed_kt=0)

CIRCUIT = [
    (0, "cold and dark", {}),
    (29, "", {}),
    (30, "engine start", dict(rpm=1400, fuel_flow_lph=6, volts=13.8)),
    (120, "warm-up done", dict(rpm=1800, fuel_flow_lph=7)),
    (130, "taxi", dict(gps_speed_kt=8)),
    (240, "run-up", dict(rpm=1800, gps_speed_kt=0)),
    (250, "", dict(rpm=4000, fuel_flow_lph=14)),
    (280, "", dict(rpm=4000, fuel_flow_lph=14)),
    (290, "", dict(rpm=1800, fuel_flow_lph=7)),
    (330, "line up", dict(gps_speed_kt=5)),
    (340, "take-off roll", dict(rpm=4950, fuel_flow_lph=24, gps_speed_kt=0)),
    (360, "lift-off", dict(ias_kt=55, gps_speed_kt=50)),
    (365, "climb", dict(vsi_fpm=700, rpm=4900, fuel_flow_lph=22, altitude_ft=560)),
    (540, "top of climb", dict(vsi_fpm=700, altitude_ft=2600, ias_kt=58, oat_c=11, gps_speed_kt=52)),
    (550, "cruise", dict(vsi_fpm=0, altitude_ft=2650, ias_kt=65, rpm=4800, fuel_flow_lph=16, gps_speed_kt=60)),
    (780, "", dict(ias_kt=68, altitude_ft=2650, gps_speed_kt=72)),
    (1020, "start descent", dict(ias_kt=65, vsi_fpm=0, altitude_ft=2650, oat_c=11, gps_speed_kt=70)),
    (1030, "descent", dict(vsi_fpm=-500, rpm=3800, fuel_flow_lph=10, altitude_ft=2570)),
    (1250, "final", dict(vsi_fpm=-500, altitude_ft=740, ias_kt=55, oat_c=14, gps_speed_kt=50)),
    (1320, "touchdown", dict(vsi_fpm=-100, altitude_ft=500, ias_kt=45, rpm=2000, fuel_flow_lph=7,
                            oat_c=15, gps_speed_kt=42)),
    (1325, "", dict(vsi_fpm=0)),
    (1345, "roll-out", dict(ias_kt=0, rpm=1800, gps_speed_kt=8)),
    (1440, "parked", dict(rpm=1400, fuel_flow_lph=6, gps_speed_kt=0)),
    (1499, "", {}),
    (1500, "shut-down", dict(rpm=0, fuel_flow_lph=0, volts=12.4)),
    (1560, "end", {}),
]

# A leg flown on the last of the fuel: 40 minutes of cruise brings the tank below the
# 10 l alarm level before the landing.
CROSS_COUNTRY = [
    (0, "engine running, ready to go", dict(rpm=1800, fuel_flow_lph=7, volts=13.8)),
    (20, "take-off roll", dict(rpm=4950, fuel_flow_lph=24, gps_speed_kt=0)),
    (40, "lift-off", dict(ias_kt=55, gps_speed_kt=50)),
    (45, "climb", dict(vsi_fpm=600, rpm=4900, fuel_flow_lph=22, altitude_ft=550)),
    (345, "top of climb", dict(vsi_fpm=600, altitude_ft=3500, ias_kt=58, oat_c=9, gps_speed_kt=48)),
    (355, "cruise", dict(vsi_fpm=0, altitude_ft=3550, ias_kt=65, rpm=4800, fuel_flow_lph=16, gps_speed_kt=58)),
    (2600, "start descent", dict(vsi_fpm=0, altitude_ft=3550, ias_kt=65, gps_speed_kt=58, oat_c=9)),
    (2610, "descent", dict(vsi_fpm=-500, rpm=3800, fuel_flow_lph=10, altitude_ft=3470)),
    (2960, "final", dict(vsi_fpm=-500, altitude_ft=550, ias_kt=55, oat_c=14, gps_speed_kt=50)),
    (2970, "touchdown", dict(vsi_fpm=0, altitude_ft=500, ias_kt=45, rpm=2000, fuel_flow_lph=7, gps_speed_kt=42)),
    (2990, "roll-out", dict(ias_kt=0, rpm=1800, gps_speed_kt=8)),
    (3049, "", {}),
    (3050, "shut-down", dict(rpm=0, fuel_flow_lph=0, volts=12.4, gps_speed_kt=0)),
    (3060, "end", {}),
]


def rows(points, fuel_start):
    values = dict(GROUND)
    fuel = fuel_start
    last_time, last_flow = 0, None
    out = []
    for time, note, changes in points:
        values.update(changes)
        flow = values["fuel_flow_lph"]
        if last_flow is not None:
            fuel -= (last_flow + flow) / 2 * (time - last_time) / 3600
        last_time, last_flow = time, flow
        values["fuel_l"] = round(fuel, 3)
        out.append((note, [time] + [values[c] for c in COLUMNS[1:]]))
    return out


def write(name, title, points, fuel_start):
    path = os.path.join(os.path.dirname(__file__), "..", "..", "assets", "flights", name)
    with open(path, "w") as f:
        f.write(f"# {title}\n# Made by tools/flights/make_demos.py; rows between are interpolated.\n")
        f.write(",".join(COLUMNS) + "\n")
        for note, row in rows(points, fuel_start):
            if note:
                f.write(f"# {note}\n")
            f.write(",".join(f"{v:g}" for v in row) + "\n")


write("circuit.csv", "A local circuit: start, taxi, run-up, take-off, climb, cruise, descent, "
      "landing, taxi, shut-down (26 minutes)", CIRCUIT, 40.0)
write("cross-country.csv", "A cross-country leg on the last of the fuel: the tank runs down "
      "below the 10 l alarm level before the landing (51 minutes)", CROSS_COUNTRY, 21.0)
