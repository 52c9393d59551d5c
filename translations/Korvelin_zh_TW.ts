<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>Frame</name>
    <message>
        <location filename="../src/forms/Frame.ui" line="14"/>
        <source>Frame</source>
        <translation>主視窗</translation>
    </message>
</context>
</TS>
